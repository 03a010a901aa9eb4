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
; The saver writes its desktop photograph here, whatever folder it was installed in, through a
; temporary file of the same name and ".tmp".
!define SNAPSHOT_FOLDER "C:\v_olka"
!define SNAPSHOT "${SNAPSHOT_FOLDER}\Lumovane.bmp"
; The window classes by which a running copy's windows are found: the renderer's full-screen
; window, and the saver's own windows (the session, the settings window, the preview).
!define RENDERER_CLASS "Lumovane_VC"
!define FORM_CLASS "LumoForm"
; How long running copies are given to end themselves before they are ended by force.
!define ASK_PASSES 20 ; of a quarter of a second
!define /math LAST_PASS ${ASK_PASSES} + 5

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
LangString StillRunningText ${LANG_JAPANESE} "$(^NameDA) のプログラムが動いていて、終了できませんでした。$\r$\n$0$\r$\n$\r$\nスクリーン セーバーとそのプレビュー（「スクリーン セーバーの設定」）を閉じてから、もう一度実行してください。何も変更していません。"
LangString StillRunningText ${LANG_ENGLISH} "A program of $(^NameDA) is running and could not be ended:$\r$\n$0$\r$\n$\r$\nClose the screen saver and its preview (the Screen Saver Settings), then run this again. Nothing has been changed."
LangString FilesRemainText ${LANG_JAPANESE} "次のファイルを削除できませんでした。$\r$\n$0$\r$\n$\r$\nほかのプログラムが使っていないか確かめてから、もう一度アンインストールしてください。それまで $(^NameDA) はインストールされたプログラムの一覧に残ります。"
LangString FilesRemainText ${LANG_ENGLISH} "This file could not be removed:$\r$\n$0$\r$\n$\r$\nMake sure no other program uses it, then uninstall again. Until then $(^NameDA) stays listed among the installed programs."

Function OpenScreenSaverSettings
    Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; Asks one running copy (the process id on the stack) to end as its user would end it: the
; renderer is sent the Esc key, so that the session sees it go and ends itself, taking the
; photograph with it; the saver's windows (session, settings, preview) are sent what their close
; box sends, and a settings window writes nothing then. A file chooser or message box open over
; the settings window is closed first, and the window itself at the next asking. The preview
; lives inside a window of the display settings, so other programs' windows are searched too.
!macro ASK_TO_END UN
Function ${UN}AskToEnd
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    System::Call 'user32::GetDesktopWindow() p .r1'
    System::Call 'user32::GetWindow(p r1, i 5) p .r2' ; GW_CHILD: the topmost top-level window
    StrCpy $3 0
    ${DoWhile} $2 P<> 0
        IntOp $3 $3 + 1
        ${If} $3 > 100000 ; a window list that keeps changing under the walk
            ${Break}
        ${EndIf}
        StrCpy $5 0 ; whether to look inside this window
        System::Call 'user32::GetWindowThreadProcessId(p r2, *i .r4)'
        ${If} $4 = $0
            System::Call 'user32::GetClassNameW(p r2, w .r6, i 64)'
            ${If} $6 == "${RENDERER_CLASS}"
                System::Call 'user32::PostMessageW(p r2, i 0x100, p 0x1B, p 0x10001)' ; Esc down
            ${ElseIf} $6 == "${FORM_CLASS}"
            ${OrIf} $6 == "#32770"
                System::Call 'user32::IsWindowEnabled(p r2) i .r6'
                ${If} $6 <> 0
                    System::Call 'user32::PostMessageW(p r2, i 0x10, p 0, p 0)' ; WM_CLOSE
                ${EndIf}
            ${EndIf}
        ${Else}
            ; Hidden windows hold no preview: the display settings end it with its page.
            System::Call 'user32::IsWindowVisible(p r2) i .r5'
        ${EndIf}
        StrCpy $6 0
        ${If} $5 <> 0
            System::Call 'user32::GetWindow(p r2, i 5) p .r6' ; its first child
        ${EndIf}
        ; Else the next window after it, or after the nearest parent that has one.
        ${DoWhile} $6 P= 0
            System::Call 'user32::GetWindow(p r2, i 2) p .r6' ; GW_HWNDNEXT
            ${If} $6 P= 0
                System::Call 'user32::GetAncestor(p r2, i 1) p .r2' ; GA_PARENT
                ${If} $2 P= $1
                ${OrIf} $2 P= 0
                    ${Break}
                ${EndIf}
            ${EndIf}
        ${Loop}
        StrCpy $2 $6
    ${Loop}
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro ASK_TO_END ""
!insertmacro ASK_TO_END "un."

; Ends every copy of this saver that runs from the install folder, the preview the display
; settings keep running included, so that its files can be replaced or removed; nothing else is
; touched. Each is first asked to end itself (AskToEnd) and given a few seconds; only one still
; running then is ended by force, and then the photograph that its session could not remove goes
; here. -> $0 "" when none is left running, else the path of one that would not end.
!macro END_RUNNING_COPIES UN
Function ${UN}EndRunningCopies
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    Push $6
    Push $7
    Push $8
    Push $9
    Push $R0
    Push $R1
    StrCpy $0 ""
    StrCpy $R1 "" ; "1" once a copy has been ended by force
    ; Long forms on both sides: Windows starts the saver by the short path in SCRNSAVE.EXE, and
    ; the saver starts its renderer from the folder it was started from.
    System::Call 'kernel32::GetLongPathNameW(w "$INSTDIR", w .r1, i ${NSIS_MAX_STRLEN}) i .R0'
    ${If} $R0 = 0
        Goto done ; no such folder, so nothing runs from it
    ${EndIf}
    System::Call 'kernel32::GetCurrentProcessId() i .r9'
    StrCpy $8 0
    ${Do}
        IntOp $8 $8 + 1
        StrCpy $7 0 ; copies found in this pass
        System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .r2' ; TH32CS_SNAPPROCESS
        ${If} $2 = -1
            StrCpy $0 "$1\${SAVER}"
            Goto done
        ${EndIf}
        System::Alloc 568 ; PROCESSENTRY32W on 64 bits
        Pop $3
        System::Call '*$3(i 568)'
        System::Call 'kernel32::Process32FirstW(p r2, p r3) i .R0'
        ${DoWhile} $R0 <> 0
            System::Call '*$3(i, i, i .r4)' ; th32ProcessID
            StrCpy $6 ""
            ${If} $4 <> $9
                System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r4) p .r5' ; query limited
                ${If} $5 != 0
                    System::Call 'kernel32::QueryFullProcessImageNameW(p r5, i 0, w .r6, \
                        *i ${NSIS_MAX_STRLEN}) i .R0'
                    System::Call 'kernel32::CloseHandle(p r5)'
                    ${If} $R0 = 0
                        StrCpy $6 ""
                    ${EndIf}
                ${EndIf}
            ${EndIf}
            ${If} $6 != ""
                ; A program deleted while running keeps the path it was started by.
                System::Call 'kernel32::GetLongPathNameW(w r6, w .r5, i ${NSIS_MAX_STRLEN}) i .R0'
                ${If} $R0 <> 0
                    StrCpy $6 $5
                ${EndIf}
                ; StrCmp ignores case, as the file system does.
                ${If} $6 == "$1\${SAVER}"
                ${OrIf} $6 == "$1\${PRODUCT}.dll"
                    IntOp $7 $7 + 1
                    ${If} $8 <= ${ASK_PASSES}
                        ; Asked again every second: a copy may not have made its windows yet.
                        IntOp $R0 $8 % 4
                        ${If} $R0 = 1
                            Push $4
                            Call ${UN}AskToEnd
                            DetailPrint "$6: asked to end"
                        ${EndIf}
                    ${Else}
                        StrCpy $R0 -1
                        System::Call 'kernel32::OpenProcess(i 0x100001, i 0, i r4) p .r5' ; terminate, synchronize
                        ${If} $5 != 0
                            System::Call 'kernel32::TerminateProcess(p r5, i 1)'
                            System::Call 'kernel32::WaitForSingleObject(p r5, i 5000) i .R0'
                            System::Call 'kernel32::CloseHandle(p r5)'
                        ${EndIf}
                        ${If} $R0 <> 0
                            StrCpy $0 $6
                            ${Break}
                        ${EndIf}
                        StrCpy $R1 1
                        DetailPrint "$6: ended by force"
                    ${EndIf}
                ${EndIf}
            ${EndIf}
            System::Call 'kernel32::Process32NextW(p r2, p r3) i .R0'
        ${Loop}
        System::Free $3
        System::Call 'kernel32::CloseHandle(p r2)'
        ${If} $0 != ""
            ${Break}
        ${EndIf}
        ${If} $7 = 0
            ${Break}
        ${EndIf}
        ; Ending by force goes on while copies appear (a session may start its renderer just
        ; before it is ended), but not for ever.
        ${If} $8 >= ${LAST_PASS}
            StrCpy $0 "$1\${SAVER}"
            ${Break}
        ${EndIf}
        ${If} $8 <= ${ASK_PASSES}
            Sleep 250
        ${EndIf}
    ${Loop}
    ${If} $R1 == 1
        ; A session ended by force could not remove its photograph of the desktop.
        Delete "${SNAPSHOT}"
        Delete "${SNAPSHOT}.tmp"
    ${EndIf}
done:
    Pop $R1
    Pop $R0
    Pop $9
    Pop $8
    Pop $7
    Pop $6
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
FunctionEnd
!macroend
!insertmacro END_RUNNING_COPIES ""
!insertmacro END_RUNNING_COPIES "un."

Section
    ; A running program cannot be replaced: end the running copies first, or change nothing.
    Call EndRunningCopies
    ${If} $0 != ""
        MessageBox MB_ICONSTOP|MB_OK "$(StillRunningText)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}

    SetOutPath "$INSTDIR"
    ; An upgrade overwrites these and nothing else: the user's ルモヴェイン.ini stays.
    File "${DIST}/${PRODUCT}.scr"
    File "${DIST}/${PRODUCT}.dll"
    File "${TEXTS}/README-ja.txt"
    File "${TEXTS}/README-en.txt"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; What right-click "Install" on the .scr leaves behind: the short path where the system
    ; has one. Windows starts the saver with this path unquoted, so a blank in it (a user
    ; folder such as "Mary Ann") would cut the program's name short.
    GetFullPathName /SHORT $0 "$INSTDIR\${SAVER}"
    ${If} $0 == ""
        StrCpy $0 "$INSTDIR\${SAVER}"
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0

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
; file under its short name or through an environment variable. Once the saver itself is gone (an
; earlier uninstall could remove all but the uninstaller), a choice of a file that no longer
; exists in this folder was this one.
Function un.IsChosenSaver ; -> $0 "1" or ""
    Push $1
    Push $2
    Push $3
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ExpandEnvStrings $1 $1
    StrCpy $0 ""
    ${If} $1 == "$INSTDIR\${SAVER}" ; StrCmp ignores case, as the file system does
        StrCpy $0 1
    ${ElseIf} $1 != ""
        GetFullPathName /SHORT $2 "$INSTDIR\${SAVER}"
        ${If} $2 != ""
            GetFullPathName /SHORT $1 $1
            ${If} $1 == $2
                StrCpy $0 1
            ${EndIf}
        ${ElseIfNot} ${FileExists} $1
            ; Its folder: all before the last backslash.
            StrLen $3 $1
            ${Do}
                IntOp $3 $3 - 1
                StrCpy $2 $1 1 $3
                ${If} $3 <= 0
                ${OrIf} $2 == "\"
                    ${Break}
                ${EndIf}
            ${Loop}
            StrCpy $1 $1 $3
            GetFullPathName /SHORT $1 $1
            GetFullPathName /SHORT $2 $INSTDIR
            ${If} $1 != ""
            ${AndIf} $1 == $2
                StrCpy $0 1
            ${EndIf}
        ${EndIf}
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
FunctionEnd

; Removes one of the files the programs are known to leave in the install folder; -> $0 its path
; when it is still there (and $0 was empty).
!macro REMOVE_OWN FILE
    Delete "$INSTDIR\${FILE}"
    ${If} $0 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        StrCpy $0 "$INSTDIR\${FILE}"
    ${EndIf}
!macroend

Section "Uninstall"
    ; Nothing is touched while a copy runs: its files could not go.
    Call un.EndRunningCopies
    ${If} $0 != ""
        MessageBox MB_ICONSTOP|MB_OK "$(StillRunningText)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}

    ; The photograph of the desktop and what a save cut short leaves of it: a privacy matter,
    ; so it goes whatever becomes of the rest.
    Delete "${SNAPSHOT}"
    Delete "${SNAPSHOT}.tmp"
    RMDir "${SNAPSHOT_FOLDER}"

    ; Before the files go: the short name can only be found while the saver exists.
    Call un.IsChosenSaver
    StrCpy $1 $0

    ; Only files it knows by name: anything else in the folder is the user's. The saver goes
    ; after the others and the uninstaller after it, and the list entry and the screen-saver
    ; choice only once all are gone: while any file remains, the user can uninstall again from
    ; Settings, and the saver's choice is still recognised.
    StrCpy $0 ""
    !insertmacro REMOVE_OWN "${PRODUCT}.dll"
    !insertmacro REMOVE_OWN "${PRODUCT}.ini"
    ; What a save of the settings cut short leaves beside them.
    !insertmacro REMOVE_OWN "${PRODUCT}.ini.tmp"
    !insertmacro REMOVE_OWN "README-ja.txt"
    !insertmacro REMOVE_OWN "README-en.txt"
    ${If} $0 == ""
        !insertmacro REMOVE_OWN "${SAVER}"
    ${EndIf}
    ${If} $0 == ""
        !insertmacro REMOVE_OWN "${UNINSTALLER}"
    ${EndIf}
    ${If} $0 != ""
        MessageBox MB_ICONSTOP|MB_OK "$(FilesRemainText)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}

    ${If} $1 == 1
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
    ; Not /r: anything the user put here is theirs, and the folder stays with it.
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

