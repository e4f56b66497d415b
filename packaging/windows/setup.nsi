; The setup program: puts both programs and their text files into the simulator's folder, with
; Start-menu (and, on request, desktop) shortcuts that start in that folder, and an uninstaller
; that removes exactly those again. scripts/windows makes it with Debian's makensis:
;   makensis -DVERSION=3.0.0 -DSTAGE=<folder of the zip's files> -DSIZE_KB=<their size>
;            -DOUTFILE=<setup.exe> setup.nsi
;
; Silent use: setup.exe /S [/DESKTOP] /D=<simulator folder>; uninstall: "Uninstall QEL tools.exe" /S
; (add _?=<simulator folder> to wait for it and have its exit code: 2 when it was cancelled, e.g.
; because one of the programs runs, and then nothing was removed).
Unicode true
; A 64-bit setup program, like the programs it installs.
Target amd64-unicode
; The test stage asks for quicker zlib (-DCOMPRESSOR=zlib).
!ifndef COMPRESSOR
    !define COMPRESSOR "/SOLID lzma"
!endif
SetCompressor ${COMPRESSOR}
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PUBLISHER "The QEL tools developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QEL tools"
!define UNINSTALLER "Uninstall QEL tools.exe"
; Where setup keeps programs of these names that it did not install (the add-on ships its own), so
; that uninstalling can put them back.
!define BACKUP "QEL tools backup"

Var KeptNote ; the programs setup kept in ${BACKUP}, for the last page

; The zip's text files, with our name in front: a simulator folder may have a README.txt of its own.
!macro Texts DO
    !insertmacro ${DO} README.txt
    !insertmacro ${DO} LICENSE.txt
    !insertmacro ${DO} THIRD-PARTY-NOTICES.txt
    !insertmacro ${DO} LGPL-3.txt
    !insertmacro ${DO} GPL-3.txt
!macroend
!macro InstallText NAME
    File "/oname=QEL tools ${NAME}" "${STAGE}\${NAME}"
!macroend
!macro RemoveText NAME
    Delete "$INSTDIR\QEL tools ${NAME}"
!macroend

; A program of this name that setup did not put there is moved into ${BACKUP}, never replaced.
!macro KeepUsersProgram NAME
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        ${If} ${FileExists} "$INSTDIR\${BACKUP}\${NAME}"
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR holds a ${NAME} that QEL tools did not install, and $\"${BACKUP}$\" already holds another one. Move one of them elsewhere and run setup again; nothing was changed." /SD IDOK
            Abort "Nothing was changed: ${BACKUP}\${NAME} is already there."
        ${EndIf}
        CreateDirectory "$INSTDIR\${BACKUP}"
        ClearErrors
        Rename "$INSTDIR\${NAME}" "$INSTDIR\${BACKUP}\${NAME}"
        ${If} ${Errors}
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\${NAME}, which QEL tools did not install, could not be moved into $\"${BACKUP}$\" (is it running?). Close it and run setup again; nothing was changed." /SD IDOK
            Abort "Nothing was changed: ${NAME} could not be kept."
        ${EndIf}
        DetailPrint "Your own ${NAME} is kept as ${BACKUP}\${NAME}; uninstalling QEL tools puts it back."
        StrCpy $KeptNote "$KeptNote$\r$\nYour own ${NAME} is kept in $\"${BACKUP}$\"; uninstalling QEL tools puts it back."
    ${EndIf}
!macroend
!macro RestoreUsersProgram NAME
    ${If} ${FileExists} "$INSTDIR\${BACKUP}\${NAME}"
        Rename "$INSTDIR\${BACKUP}\${NAME}" "$INSTDIR\${NAME}"
    ${EndIf}
!macroend

; A running program cannot be opened for writing: then $R1 is its name.
!macro CheckNotRunning NAME
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        ClearErrors
        FileOpen $R2 "$INSTDIR\${NAME}" a
        ${If} ${Errors}
            StrCpy $R1 "${NAME}"
        ${Else}
            FileClose $R2
        ${EndIf}
    ${EndIf}
!macroend

; "Start in" of a shortcut is the output folder, which must be the simulator's folder.
!macro Shortcuts FOLDER
    SetOutPath "$INSTDIR"
    CreateShortCut "${FOLDER}\QELedit.lnk" "$INSTDIR\QELedit.exe" "" "" 0 SW_SHOWNORMAL "" \
        "Compose Nubivar & Grundex scenarios for Flight Simulator 98"
    CreateShortCut "${FOLDER}\QEL Photo Lab.lnk" "$INSTDIR\qelphoto.exe" "" "" 0 SW_SHOWNORMAL "" \
        "Save a Flight Simulator 98 screen capture as a scenario picture or photo"
!macroend

Name "QEL tools ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
BrandingText "QEL tools ${VERSION}"
InstallDir "$PROGRAMFILES32\Microsoft Games\FLTSIM98"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "QEL tools"
VIAddVersionKey FileDescription "QEL tools setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "${COPYRIGHT}"

; makensis works in the folder of this script.
!define MUI_ICON "qeledit.ico"
!define MUI_UNICON "qeledit.ico"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!define MUI_PAGE_HEADER_TEXT "Choose the Simulator Folder"
!define MUI_PAGE_HEADER_SUBTEXT "QEL tools ${VERSION} goes into the folder of Flight Simulator 98."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Choose the simulator's folder: the one that holds FLTSIM98.EXE and the $\"pilots$\" and $\"qel$\" folders. Both programs go there, and their shortcuts start them there, as they need."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Simulator folder"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckSimulatorFolder
!insertmacro MUI_PAGE_DIRECTORY
; The description goes below the list, which then has the page's width for the entries' names.
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "QEL tools ${VERSION} is installed in $INSTDIR.$\r$\n$KeptNote"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; Installing again replaces the programs and text files and keeps everything else.
Section "QELedit and QEL Photo Lab" SecPrograms
    SectionIn RO
    SetShellVarContext all
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" InstallLocation
    ${If} $R0 != ""
    ${AndIf} $R0 != $INSTDIR
        Call RemoveEarlierInstallation
    ${EndIf}
    ${If} $R0 != $INSTDIR
        !insertmacro KeepUsersProgram QELedit.exe
        !insertmacro KeepUsersProgram qelphoto.exe
    ${EndIf}
    SetOutPath "$INSTDIR"
    File "${STAGE}\QELedit.exe"
    File "${STAGE}\qelphoto.exe"
    !insertmacro Texts InstallText
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    !insertmacro Shortcuts "$SMPROGRAMS"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "QEL tools"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\QELedit.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString "$\"$INSTDIR\${UNINSTALLER}$\""
    WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString "$\"$INSTDIR\${UNINSTALLER}$\" /S"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize ${SIZE_KB}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section /o "Shortcuts on the desktop" SecDesktop
    SetShellVarContext all
    !insertmacro Shortcuts "$DESKTOP"
    ; The uninstaller removes desktop shortcuts only when setup made them.
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" DesktopShortcuts 1
SectionEnd

; One installation at a time: the shortcuts and the uninstall entry are one each. The earlier one
; is removed by its own uninstaller, which leaves the user's files there.
Function RemoveEarlierInstallation
    ${IfNot} ${FileExists} "$R0\${UNINSTALLER}"
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "QEL tools is installed in $R0 as well. Only one installation is kept, so setup first removes the one in $R0 (its scenarios, pictures and photos stay there)." /SD IDOK IDOK +2
    Abort "Nothing was changed."
    DetailPrint "Removing QEL tools from $R0"
    ClearErrors
    ExecWait '"$R0\${UNINSTALLER}" /S _?=$R0' $R1
    ${If} ${Errors}
    ${OrIf} $R1 != 0
        MessageBox MB_OK|MB_ICONSTOP "QEL tools could not be removed from $R0 (is one of its programs running?). Close the programs and run setup again; nothing was changed here." /SD IDOK
        Abort "Nothing was changed: QEL tools is still installed in $R0."
    ${EndIf}
    ; Run in place, the uninstaller could not remove itself.
    Delete "$R0\${UNINSTALLER}"
    RMDir "$R0"
FunctionEnd

; Removes what setup put there and nothing else: no scenario, picture or photo, nothing in
; "pilots" or "qel", and the folder itself only when it is empty. The programs setup kept go back
; in their place. Nothing at all is removed while one of the programs runs.
Section Uninstall
    SetShellVarContext all
    running:
    StrCpy $R1 ""
    !insertmacro CheckNotRunning QELedit.exe
    !insertmacro CheckNotRunning qelphoto.exe
    ${If} $R1 != ""
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R1 is running. Close it, then choose Retry; or choose Cancel to leave QEL tools installed as it is." /SD IDCANCEL IDRETRY running
        SetErrorLevel 2
        Quit
    ${EndIf}
    ; The entry and the shortcuts are this folder's only while they name it.
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" InstallLocation
    ${If} $R0 == $INSTDIR
        ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" DesktopShortcuts
        ${If} $0 = 1
            Delete "$DESKTOP\QELedit.lnk"
            Delete "$DESKTOP\QEL Photo Lab.lnk"
        ${EndIf}
        Delete "$SMPROGRAMS\QELedit.lnk"
        Delete "$SMPROGRAMS\QEL Photo Lab.lnk"
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${EndIf}
    Delete "$INSTDIR\QELedit.exe"
    Delete "$INSTDIR\qelphoto.exe"
    !insertmacro RestoreUsersProgram QELedit.exe
    !insertmacro RestoreUsersProgram qelphoto.exe
    RMDir "$INSTDIR\${BACKUP}"
    !insertmacro Texts RemoveText
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecPrograms} "The scenario editor and the photo tool, in the simulator's folder, with Start-menu shortcuts."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "Shortcuts to both programs on the desktop as well."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    SetRegView 64
    ; /DESKTOP asks for the desktop shortcuts in silent use too.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecDesktop} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

; A folder with neither "pilots" nor "qel" is most likely not the simulator's: the programs would
; start there and find no flights. The user may still go on, or choose again.
Function CheckSimulatorFolder
    ${IfNot} ${FileExists} "$INSTDIR\pilots\*.*"
    ${AndIfNot} ${FileExists} "$INSTDIR\qel\*.*"
        MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 "$INSTDIR has neither a $\"pilots$\" nor a $\"qel$\" folder, so it does not look like the simulator's folder. The programs work only when they start in the simulator's folder.$\n$\nInstall here anyway? Choose No to choose another folder." IDYES +2
        Abort
    ${EndIf}
FunctionEnd

; The programs' own per-user settings (HKCU\Software\QEL tools\QEL tools): the folder they go to
; when started outside a folder holding "pilots" or "qel" (the zip's folder, a shortcut without
; "Start in"). The uninstaller forgets it only while it still names this installation's folder.
!define SETTINGS_KEY "Software\QEL tools\QEL tools"
Section "-Record the simulator folder"
    WriteRegStr HKCU "${SETTINGS_KEY}" SimulatorFolder "$INSTDIR"
SectionEnd
Section "-un.Forget the simulator folder"
    ReadRegStr $0 HKCU "${SETTINGS_KEY}" SimulatorFolder
    ${If} $0 == "$INSTDIR"
        DeleteRegValue HKCU "${SETTINGS_KEY}" SimulatorFolder
        DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKCU "Software\QEL tools"
    ${EndIf}
SectionEnd
