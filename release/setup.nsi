; The setup program: a per-user install that needs no administrator, chooses the saver as the
; user's screen saver and lists it among the installed programs. Built by scripts/release.sh
; (makensis -INPUTCHARSET UTF8), which defines VERSION, VI_VERSION (four numbers), DIST (the two
; programs), TEXTS (the read-mes as Notepad wants them), ICON, WIZARD (the picture of the first
; and the last page) and OUTDIR.

Unicode true
; Only the 64-bit stubs: the programs are 64-bit anyway, and so is every Wine we test under.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "ルモヴェイン"
!define SAVER "${PRODUCT}.scr"
!define PUBLISHER "The Lumovane developers"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumovane"
!define DESKTOP_KEY "Control Panel\Desktop"
; The saver writes its desktop photograph here, whatever folder it was installed in.
!define SNAPSHOT_FOLDER "C:\v_olka"

Name "${PRODUCT}"
OutFile "${OUTDIR}/${PRODUCT}-${VERSION}-setup.exe"
; A folder of the user's own: the settings file lives beside the saver and must be writable.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VI_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!include MUI2.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(FinishText)"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSettingsText)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one a system of any other language gets.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString WelcomeText ${LANG_JAPANESE} "デスクトップの写真が六つの星になり、暗い空間で回りながら光るスクリーン セーバー、$(^NameDA) ${VERSION} をインストールします。$\r$\n$\r$\nインストール先はあなた専用のフォルダー$\r$\n$INSTDIR$\r$\nで、管理者の権限はいりません。設定もこのフォルダーに保存されます。$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_ENGLISH} "This installs $(^NameDA) ${VERSION}, a screen saver that turns a photograph of your desktop into six stars which turn and shine in dark space. Its windows are in Japanese.$\r$\n$\r$\nIt goes into a folder of your own,$\r$\n$INSTDIR$\r$\nso no administrator rights are needed. Its settings are kept there too.$\r$\n$\r$\n$_CLICK"
LangString FinishText ${LANG_JAPANESE} "$(^NameDA) をインストールし、スクリーン セーバーとして選びました。$\r$\n$\r$\n削除するには、「設定」の「アプリ」（または「プログラムと機能」）から $(^NameDA) をアンインストールしてください。"
LangString FinishText ${LANG_ENGLISH} "$(^NameDA) is installed and chosen as your screen saver.$\r$\n$\r$\nTo remove it, uninstall $(^NameDA) from Settings, Apps (or Programs and Features)."
LangString OpenSettingsText ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"
LangString OpenSettingsText ${LANG_ENGLISH} "Open the Screen Saver Settings"

Function OpenScreenSaverSettings
    Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    ; An upgrade overwrites these and nothing else: the user's ルモヴェイン.ini stays.
    File "${DIST}/${PRODUCT}.scr"
    File "${DIST}/${PRODUCT}.dll"
    File "${TEXTS}/README-ja.txt"
    File "${TEXTS}/README-en.txt"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; What right-click "Install" on the .scr leaves behind.
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\${SAVER}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${SAVER},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Whether the screen saver the user has chosen is this one: the path as written, or the same
; file under its short name or through an environment variable.
Function un.IsChosenSaver ; -> $0 "1" or ""
    Push $1
    Push $2
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ExpandEnvStrings $1 $1
    StrCpy $0 ""
    ${If} $1 == "$INSTDIR\${SAVER}" ; StrCmp ignores case, as the file system does
        StrCpy $0 1
    ${ElseIf} $1 != ""
        GetFullPathName /SHORT $1 $1
        GetFullPathName /SHORT $2 "$INSTDIR\${SAVER}"
        ${If} $1 != ""
        ${AndIf} $1 == $2
            StrCpy $0 1
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
FunctionEnd

Section "Uninstall"
    ; Before the files go: the short name can only be found while the saver exists.
    Call un.IsChosenSaver
    ${If} $0 == 1
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}

    Delete "$INSTDIR\${PRODUCT}.scr"
    Delete "$INSTDIR\${PRODUCT}.dll"
    Delete "$INSTDIR\${PRODUCT}.ini"
    Delete "$INSTDIR\README-ja.txt"
    Delete "$INSTDIR\README-en.txt"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Not /r: anything the user put here is theirs.
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    Delete "${SNAPSHOT_FOLDER}\Lumovane.bmp"
    RMDir "${SNAPSHOT_FOLDER}"
SectionEnd
