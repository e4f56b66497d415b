; The setup program: puts both programs and their text files into the simulator's folder, with
; Start-menu (and, on request, desktop) shortcuts that start in that folder, and an uninstaller
; that removes exactly those again. scripts/windows makes it with Debian's makensis:
;   makensis -DVERSION=3.0.0 -DSTAGE=<folder of the zip's files> -DSIZE_KB=<their size>
;            -DOUTFILE=<setup.exe> setup.nsi
;
; Silent use: setup.exe /S [/DESKTOP] [/D=<simulator folder>] (2 when it refused, e.g. because one
; of the programs runs, and then nothing was changed); uninstall: "Uninstall QEL tools.exe" /S (add
; _?=<simulator folder> to wait for it and have its exit code: 2 when it was cancelled or could
; not put the add-on's programs back, and then nothing was removed).
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
!include StrFunc.nsh
${StrCase}

!define PUBLISHER "The QEL tools developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QEL tools"
!define UNINSTALLER "Uninstall QEL tools.exe"
; Where setup keeps programs of these names that it did not install (the add-on ships its own), so
; that uninstalling can put them back.
!define BACKUP "QEL tools backup"
; The programs' own per-user settings (HKCU\Software\QEL tools\QEL tools): the folder they go to
; when started outside a folder holding "pilots" or "qel" (the zip's folder, a shortcut without
; "Start in"), SimulatorFolder.
!define SETTINGS_KEY "Software\QEL tools\QEL tools"

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

; What setup installed is known by its size and time of last change, recorded in the uninstall
; entry: a file of that name with other bytes (the add-on's, put back by an uninstaller, or copied
; there since) is never taken for ours, so never replaced or removed as ours.
!macro FileIdentityFunction UN
    ; The path on the stack; leaves "size time-high time-low" there, or "" when it cannot be read.
    Function ${UN}FileIdentity
        Exch $0
        Push $1
        Push $2
        Push $3
        ClearErrors
        FileOpen $1 $0 r
        ${If} ${Errors}
            StrCpy $0 ""
        ${Else}
            FileSeek $1 0 END $2
            FileClose $1
            GetFileTime $0 $1 $3
            StrCpy $0 "$2 $1 $3"
        ${EndIf}
        Pop $3
        Pop $2
        Pop $1
        Exch $0
    FunctionEnd
    ; The name on the stack; leaves 1 there when $INSTDIR holds the bytes setup installed under it.
    Function ${UN}IsOwn
        Exch $0
        Push $1
        ReadRegStr $1 HKLM "${UNINSTALL_KEY}" InstallLocation
        ${If} $1 == $INSTDIR
            ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "Installed $0"
        ${Else}
            StrCpy $1 ""
        ${EndIf}
        Push "$INSTDIR\$0"
        Call ${UN}FileIdentity
        Pop $0
        ${If} $1 != ""
        ${AndIf} $0 == $1
            StrCpy $0 1
        ${Else}
            StrCpy $0 0
        ${EndIf}
        Pop $1
        Exch $0
    FunctionEnd
!macroend
!insertmacro FileIdentityFunction ""
!insertmacro FileIdentityFunction "un."
!macro RecordOwn NAME
    Push "$INSTDIR\${NAME}"
    Call FileIdentity
    Pop $0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Installed ${NAME}" $0
!macroend

; A program of this name that setup did not put there is moved into ${BACKUP}, never replaced.
; Everything is checked before anything moves, so that a refusal leaves the folder as it was. Sets
; VAR to 1 when NAME is to be kept.
!macro PlanKeeping NAME VAR
    StrCpy ${VAR} 0
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        Push ${NAME}
        Call IsOwn
        Pop $0
        ; The first setups recorded nothing: what their installation holds is taken as theirs.
        ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "Installed ${NAME}"
        ${If} $R0 == $INSTDIR
        ${AndIf} $1 == ""
            StrCpy $0 1
        ${EndIf}
        ${If} $0 != 1
            StrCpy ${VAR} 1
            ${If} ${FileExists} "$INSTDIR\${BACKUP}"
            ${AndIfNot} ${FileExists} "$INSTDIR\${BACKUP}\*.*"
                MessageBox MB_OK|MB_ICONSTOP "$INSTDIR holds a ${NAME} that QEL tools did not install, which setup keeps in a folder named $\"${BACKUP}$\"; but a file of that name is in the way. Move or rename that file and run setup again; nothing was changed." /SD IDOK
                Abort "Nothing was changed: ${BACKUP} is a file, not a folder."
            ${EndIf}
            ${If} ${FileExists} "$INSTDIR\${BACKUP}\${NAME}"
                MessageBox MB_OK|MB_ICONSTOP "$INSTDIR holds a ${NAME} that QEL tools did not install, and $\"${BACKUP}$\" already holds another one. Move one of them elsewhere and run setup again; nothing was changed." /SD IDOK
                Abort "Nothing was changed: ${BACKUP}\${NAME} is already there."
            ${EndIf}
        ${EndIf}
    ${EndIf}
!macroend
; Moves the programs PlanKeeping chose into ${BACKUP}; when one cannot be moved, the ones moved
; before it go back. Sets the error flag then.
Function KeepUsersPrograms
    ClearErrors
    ${If} $R6 = 1
    ${OrIf} $R7 = 1
        CreateDirectory "$INSTDIR\${BACKUP}"
    ${EndIf}
    StrCpy $R1 ""
    ${If} $R6 = 1
        ClearErrors
        Rename "$INSTDIR\QELedit.exe" "$INSTDIR\${BACKUP}\QELedit.exe"
        ${If} ${Errors}
            StrCpy $R1 QELedit.exe
        ${EndIf}
    ${EndIf}
    ${If} $R7 = 1
    ${AndIf} $R1 == ""
        ClearErrors
        Rename "$INSTDIR\qelphoto.exe" "$INSTDIR\${BACKUP}\qelphoto.exe"
        ${If} ${Errors}
            StrCpy $R1 qelphoto.exe
        ${EndIf}
    ${EndIf}
    ClearErrors
    ${If} $R1 != ""
        Call GiveBackUsersPrograms
        SetErrors
    ${EndIf}
FunctionEnd
; Undoes KeepUsersPrograms.
Function GiveBackUsersPrograms
    ${If} $R6 = 1
        Rename "$INSTDIR\${BACKUP}\QELedit.exe" "$INSTDIR\QELedit.exe"
    ${EndIf}
    ${If} $R7 = 1
        Rename "$INSTDIR\${BACKUP}\qelphoto.exe" "$INSTDIR\qelphoto.exe"
    ${EndIf}
    RMDir "$INSTDIR\${BACKUP}"
FunctionEnd
!macro NoteKept NAME VAR
    ${If} ${VAR} = 1
        DetailPrint "Your own ${NAME} is kept as ${BACKUP}\${NAME}; uninstalling QEL tools puts it back."
        StrCpy $KeptNote "$KeptNote$\r$\nYour own ${NAME} is kept in $\"${BACKUP}$\"; uninstalling QEL tools puts it back."
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
; Asks to close a running program and retry, or to cancel: then (and always silently) it ends with
; exit code 2, nothing changed.
!macro WaitUntilClosed UN CANCELLED
    Function ${UN}WaitUntilClosed
        check:
        StrCpy $R1 ""
        !insertmacro CheckNotRunning QELedit.exe
        !insertmacro CheckNotRunning qelphoto.exe
        ${If} $R1 != ""
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R1 is running. Close it, then choose Retry; or choose Cancel to leave ${CANCELLED}." /SD IDCANCEL IDRETRY check
            SetErrorLevel 2
            Quit
        ${EndIf}
    FunctionEnd
!macroend
!insertmacro WaitUntilClosed "" "the folder as it is"
!insertmacro WaitUntilClosed "un." "QEL tools installed as it is"

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
; No InstallDir: without /D, .onInit proposes the folder (ProposeFolder).
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

; Installing again replaces the programs and text files and keeps everything else. Nothing is
; changed until everything is checked: no program of ours running, room to keep the user's.
Section "QELedit and QEL Photo Lab" SecPrograms
    SectionIn RO
    SetShellVarContext all
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" InstallLocation
    Call WaitUntilClosed
    !insertmacro PlanKeeping QELedit.exe $R6
    !insertmacro PlanKeeping qelphoto.exe $R7
    Call KeepUsersPrograms
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R1, which QEL tools did not install, could not be moved into $\"${BACKUP}$\". Make sure you may change that folder and run setup again; nothing was changed." /SD IDOK
        Abort "Nothing was changed: $R1 could not be kept."
    ${EndIf}
    ${If} $R0 != ""
    ${AndIf} $R0 != $INSTDIR
        Call RemoveEarlierInstallation
    ${EndIf}
    !insertmacro NoteKept QELedit.exe $R6
    !insertmacro NoteKept qelphoto.exe $R7
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
    !insertmacro RecordOwn QELedit.exe
    !insertmacro RecordOwn qelphoto.exe
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
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "QEL tools is installed in $R0 as well. Only one installation is kept, so setup first removes the one in $R0 (its scenarios, pictures and photos stay there)." /SD IDOK IDOK +3
    Call GiveBackUsersPrograms
    Abort "Nothing was changed."
    DetailPrint "Removing QEL tools from $R0"
    ClearErrors
    ExecWait '"$R0\${UNINSTALLER}" /S _?=$R0' $R1
    ${If} ${Errors}
    ${OrIf} $R1 != 0
        Call GiveBackUsersPrograms
        MessageBox MB_OK|MB_ICONSTOP "QEL tools could not be removed from $R0: one of its programs runs there, or what it keeps in $\"${BACKUP}$\" there could not be put back. Close the programs, or make sure you may change that folder, and run setup again; nothing was changed here." /SD IDOK
        Abort "Nothing was changed: QEL tools is still installed in $R0."
    ${EndIf}
    ; Run in place, the uninstaller could not remove itself.
    Delete "$R0\${UNINSTALLER}"
    RMDir "$R0"
FunctionEnd

; Removes what setup put there and nothing else: no scenario, picture or photo, nothing in
; "pilots" or "qel", no program of ours that something has changed since, and the folder itself
; only when it is empty. The programs setup kept go back in their place; when one cannot, nothing
; is removed. Nothing at all is removed while one of the programs runs.
Section Uninstall
    SetShellVarContext all
    ; An uninstaller run again in place (it cannot remove itself there) finds the entry gone or
    ; naming another folder: what is here now is no longer ours.
    ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" InstallLocation
    ${If} $R0 != $INSTDIR
        MessageBox MB_OK|MB_ICONINFORMATION "QEL tools is not installed in $INSTDIR any more: it was uninstalled already, so nothing was removed." /SD IDOK
        Delete "$INSTDIR\${UNINSTALLER}"
        SetErrorLevel 0
        Quit
    ${EndIf}
    Call un.WaitUntilClosed
    StrCpy $R6 0
    StrCpy $R7 0
    Push QELedit.exe
    Call un.PutBack
    Pop $R6
    ${If} $R6 != error
        Push qelphoto.exe
        Call un.PutBack
        Pop $R7
    ${EndIf}
    ${If} $R7 == error
        StrCpy $R1 qelphoto.exe
        Push QELedit.exe
        Push $R6
        Call un.TakeBack
    ${ElseIf} $R6 == error
        StrCpy $R1 QELedit.exe
    ${EndIf}
    ${If} $R6 == error
    ${OrIf} $R7 == error
        MessageBox MB_OK|MB_ICONSTOP "The $R1 that QEL tools kept in $\"${BACKUP}$\" could not be put back in its place. Make sure you may change that folder and uninstall again; QEL tools stays installed as it was." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" DesktopShortcuts
    ${If} $0 = 1
        Delete "$DESKTOP\QELedit.lnk"
        Delete "$DESKTOP\QEL Photo Lab.lnk"
    ${EndIf}
    Delete "$SMPROGRAMS\QELedit.lnk"
    Delete "$SMPROGRAMS\QEL Photo Lab.lnk"
    Push QELedit.exe
    Call un.RemoveOwn
    Push qelphoto.exe
    Call un.RemoveOwn
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    RMDir "$INSTDIR\${BACKUP}"
    !insertmacro Texts RemoveText
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
SectionEnd

; Ours, moved aside while the user's goes back, so that a failed restore can be undone.
!define ASIDE "QEL tools uninstalling"
; Puts back the program of the name on the stack from ${BACKUP}, our own moved aside first; leaves
; "restored", "error" (then nothing changed for it) or "none" (nothing kept, or a program that is
; not ours in its place, which stays, with the kept one) there.
Function un.PutBack
    Exch $0
    Push $1
    StrCpy $1 none
    ${If} ${FileExists} "$INSTDIR\${BACKUP}\$0"
        Push $0
        Call un.IsOwn
        Pop $1
        ${If} $1 = 1
            ClearErrors
            Rename "$INSTDIR\$0" "$INSTDIR\${ASIDE} $0"
            StrCpy $1 error
            ${IfNot} ${Errors}
                Rename "$INSTDIR\${BACKUP}\$0" "$INSTDIR\$0"
                StrCpy $1 restored
                ${If} ${Errors}
                    Rename "$INSTDIR\${ASIDE} $0" "$INSTDIR\$0"
                    StrCpy $1 error
                ${EndIf}
            ${EndIf}
        ${ElseIfNot} ${FileExists} "$INSTDIR\$0"
            ClearErrors
            Rename "$INSTDIR\${BACKUP}\$0" "$INSTDIR\$0"
            StrCpy $1 restored
            ${If} ${Errors}
                StrCpy $1 error
            ${EndIf}
        ${Else}
            DetailPrint "$0 was changed since QEL tools installed it: it stays, and so does the one in ${BACKUP}."
            StrCpy $1 none
        ${EndIf}
    ${EndIf}
    StrCpy $0 $1
    Pop $1
    Exch $0
FunctionEnd
; Undoes un.PutBack: the name, then what un.PutBack left, on the stack.
Function un.TakeBack
    Exch $1
    Exch
    Exch $0
    ${If} $1 == restored
        Rename "$INSTDIR\$0" "$INSTDIR\${BACKUP}\$0"
        Rename "$INSTDIR\${ASIDE} $0" "$INSTDIR\$0"
    ${EndIf}
    Pop $0
    Pop $1
FunctionEnd
; Removes the program of the name on the stack, or ours moved aside, when it holds what setup
; installed.
Function un.RemoveOwn
    Exch $0
    Delete "$INSTDIR\${ASIDE} $0"
    Push $0
    Call un.IsOwn
    Pop $1
    ${If} $1 = 1
        Delete "$INSTDIR\$0"
    ${EndIf}
    Pop $0
FunctionEnd

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
    ${If} $INSTDIR == ""
        Call ProposeFolder
    ${EndIf}
FunctionEnd

; The folder the programs would work in: the one they remember, then this installation's, then
; the first simulator folder their chooser finds (common/simulatorfolder.cpp: each fixed drive's
; usual install folders and the folders one level below them, holding "pilots" or "qel", first
; in the chooser's order), and only then where the simulator's own setup puts it.
Var FoundKey
Function ProposeFolder
    ReadRegStr $0 HKCU "${SETTINGS_KEY}" SimulatorFolder
    Call HoldsSimulator
    ${If} $1 = 1
        StrCpy $INSTDIR $0
        Return
    ${EndIf}
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" InstallLocation
    Call HoldsSimulator
    ${If} $1 = 1
        StrCpy $INSTDIR $0
        Return
    ${EndIf}
    StrCpy $FoundKey ""
    ${GetDrives} "HDD" SearchDrive
    ${If} $INSTDIR == ""
        StrCpy $INSTDIR "$PROGRAMFILES32\Microsoft Games\FLTSIM98"
    ${EndIf}
FunctionEnd
; $1 is 1 when the folder $0 holds a "pilots" or "qel" folder.
Function HoldsSimulator
    StrCpy $1 0
    ${If} $0 != ""
        ${If} ${FileExists} "$0\pilots\*.*"
        ${OrIf} ${FileExists} "$0\qel\*.*"
            StrCpy $1 1
        ${EndIf}
    ${EndIf}
FunctionEnd
!macro SearchIn FOLDER KEY
    Push "${FOLDER}"
    Push "${KEY}"
    Call SearchFolder
!macroend
; GetDrives' callback, the drive in $9 ("C:\").
Function SearchDrive
    StrCpy $8 $9 2
    !insertmacro SearchIn "" ""
    !insertmacro SearchIn "\Program Files" "/Program Files"
    !insertmacro SearchIn "\Program Files (x86)" "/Program Files (x86)"
    !insertmacro SearchIn "\Program Files\Microsoft Games" "/Program Files/Microsoft Games"
    !insertmacro SearchIn "\Program Files (x86)\Microsoft Games" "/Program Files (x86)/Microsoft Games"
    !insertmacro SearchIn "\Microsoft Games" "/Microsoft Games"
    !insertmacro SearchIn "\Games" "/Games"
    Push "" ; GetDrives goes on
FunctionEnd
; A folder below the drive $8 ("C:"), on the stack as a path and as the chooser writes it; it and
; the folders in it are candidates.
Function SearchFolder
    Pop $7 ; as the chooser writes it, with "/"
    Pop $6
    ${IfNot} ${FileExists} "$8$6\*.*"
        Return
    ${EndIf}
    StrCpy $0 "$8$6"
    StrCpy $2 "$8$7"
    ${If} $6 == ""
        StrCpy $2 "$8/"
    ${EndIf}
    Call Candidate
    FindFirst $5 $4 "$8$6\*.*"
    ${DoWhile} $4 != ""
        ; The chooser lists no hidden folder.
        ${GetFileAttributes} "$8$6\$4" HIDDEN $3
        ${If} $4 != "."
        ${AndIf} $4 != ".."
        ${AndIf} $3 != 1
            StrCpy $0 "$8$6\$4"
            StrCpy $2 "$8$7/$4"
            Call Candidate
        ${EndIf}
        FindNext $5 $4
    ${Loop}
    FindClose $5
FunctionEnd
; Takes the folder $0 (written $2 as the chooser writes it) when it holds the simulator and comes
; before the one taken so far in the chooser's order: by letters, case folded to small letters.
Function Candidate
    Call HoldsSimulator
    ${If} $1 = 1
        ${StrCase} $2 $2 L
        StrCpy $3 1
        ${If} $FoundKey != ""
            StrCpy $R9 $FoundKey
            System::Call 'kernel32::CompareStringOrdinal(w r2, i -1, w R9, i -1, i 0) i .r3'
        ${EndIf}
        ${If} $3 = 1
            StrCpy $FoundKey $2
            StrCpy $INSTDIR $0
            ; A drive's own folder is "C:\"; "C:" is the current folder of that drive.
            StrLen $3 $0
            ${If} $3 = 2
                StrCpy $INSTDIR "$0\"
            ${EndIf}
        ${EndIf}
    ${EndIf}
FunctionEnd

; One uninstaller at a time: a second one, silent or in another window, would find the first one's
; work half done.
Function un.onInit
    SetRegView 64
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "QEL tools uninstaller") p .r0 ?e'
    Pop $1
    ${If} $1 = 183 ; ERROR_ALREADY_EXISTS
        MessageBox MB_OK|MB_ICONEXCLAMATION "QEL tools is being uninstalled already, in another window or in the background. Let that finish; nothing was removed here." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
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

; The uninstaller forgets the remembered folder only while it still names this installation's.
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
