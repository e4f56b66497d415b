; The setup program: puts both programs and their text files into the simulator's folder, with
; Start-menu (and, on request, desktop) shortcuts that start in that folder, and an uninstaller
; that removes exactly those again. scripts/windows makes it with Debian's makensis:
;   makensis -DVERSION=3.0.0 -DSTAGE=<folder of the zip's files> -DSIZE_KB=<their size>
;            -DOUTFILE=<setup.exe> setup.nsi
; Silent use: setup.exe /S [/DESKTOP] /D=<simulator folder>; uninstall: "Uninstall QEL tools.exe" /S
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
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; Installing again replaces the programs and text files and keeps everything else.
Section "QELedit and QEL Photo Lab" SecPrograms
    SectionIn RO
    SetShellVarContext all
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

; Removes what setup put there and nothing else: no scenario, picture or photo, nothing in
; "pilots" or "qel", and the folder itself only when it is empty.
Section Uninstall
    SetShellVarContext all
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" DesktopShortcuts
    ${If} $0 = 1
        Delete "$DESKTOP\QELedit.lnk"
        Delete "$DESKTOP\QEL Photo Lab.lnk"
    ${EndIf}
    Delete "$SMPROGRAMS\QELedit.lnk"
    Delete "$SMPROGRAMS\QEL Photo Lab.lnk"
    Delete "$INSTDIR\QELedit.exe"
    Delete "$INSTDIR\qelphoto.exe"
    !insertmacro Texts RemoveText
    Delete "$INSTDIR\${UNINSTALLER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    RMDir "$INSTDIR"
SectionEnd

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
        MessageBox MB_YESNO|MB_ICONEXCLAMATION "$INSTDIR has neither a $\"pilots$\" nor a $\"qel$\" folder, so it does not look like the simulator's folder. The programs work only when they start in the simulator's folder.$\n$\nInstall here anyway? Choose No to choose another folder." IDYES +2
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
