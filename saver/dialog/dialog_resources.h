#pragma once
// Resource ids of the settings window's pictures (the window's icon is the program's, id 1).
#define IDR_DIALOG_MARK_OFF 300 /* Img_Ra(0): the unselected mark, a 24-bit bitmap file */
#define IDR_DIALOG_MARK_ON 301  /* Img_Ra(1): the selected mark */
#define IDC_DIALOG_HAND 302     /* lbl_URL's pointing hand, hot spot at (12, 10) */
