#pragma once
// Resource ids of the preview form's two stills (RCDATA, JPEG bytes).

#define IDR_PREVIEW_BACKGROUND 400 // the form's background picture
#define IDR_PREVIEW_IMAGE 401      // the picture of Img_Prev
