; The Windows installer of Skylook, per machine and 64-bit like the program.
;   makensis -DVERSION=<x.y.z> -DBINDIR=<folder of the built program> -DOUTFILE=<setup.exe> skylook.nsi
;
; Quiet install: setup.exe /S [/ADAPTER | /WINDOWSWIFI] [/NOSHORTCUT] [/NOAUTOSTART] [/D=<folder>]
; (/D= must come last). A quiet install does not start the program. /ADAPTER installs the
; software adapter, /WINDOWSWIFI the library for any wireless card through Windows; without
; either, the card's own library is expected.

!ifndef VERSION | BINDIR | OUTFILE
    !error "VERSION, BINDIR and OUTFILE must be defined"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Kelbrin 802.11g Skylook"
!define PUBLISHER "Kelbrin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Skylook"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Skylook"
!define SHORTCUT "$SMPROGRAMS\Skylook.lnk"
!define SETTINGS_KEY "SOFTWARE\KT60"
!define ADAPTER_STATE_FOLDER "$APPDATA\Vexa5200"
!define SETTINGS_ACCESS_WARNING "Users could not be allowed to store Skylook's settings (HKEY_LOCAL_MACHINE\${SETTINGS_KEY}): changes made without administrator rights will be lost when Skylook restarts.$\n$\nRun this setup program again as an administrator."
!define SETTINGS_NOT_REMOVED_WARNING "Your network settings and profiles (HKEY_LOCAL_MACHINE\${SETTINGS_KEY}) could not all be removed; what is left stays on this computer.$\n$\nRun this uninstaller again as an administrator, or remove that key with the Registry Editor."
!define NO_LIBRARY_WARNING "Skylook needs the card's library Vexa5200.dll, which is not on this computer: the program starts once the card's driver is installed.$\n$\nTo use Skylook with any wireless card, run this setup program again and choose $\"Windows Wi-Fi: any wireless card$\"; to try it without a card, choose the software adapter."
!define KEPT_LIBRARY_NOTE "A Vexa5200.dll that this setup program did not install is beside Skylook (the card's own library, perhaps): it was kept. Remove it and run the setup program again to use the library chosen."
!define IMPORT_WARNING "Skylook could not take the wireless network Windows is connected to as its settings (the setup's details say why). Until it has settings, starting Skylook leaves that network.$\n$\nChoose the network on Skylook's Site Survey page, or run $\"skylookctl import-windows-profiles$\" as an administrator."

!include MUI2.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh
!include EndRunningCopy.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Skylook"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "${PRODUCT} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright ${PUBLISHER}"

!define MUI_ICON "../res/icons/skylook.ico"
!define MUI_UNICON "../res/icons/skylook.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\skylook.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Skylook now"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!insertmacro DEFINE_END_RUNNING_COPY ""
!insertmacro DEFINE_END_RUNNING_COPY "un."

Section "Skylook" SecProgram
    SectionIn RO
    Call EndRunningCopy
    Call RemoveCopyElsewhere
    SetOutPath "$INSTDIR"
    File "${BINDIR}/skylook.exe"
    File "${BINDIR}/skylookctl.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; A reinstall without the shortcut or the start at log-on takes them away.
    Delete "${SHORTCUT}"
    DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    ; Which library an earlier install put in, holds only for its own folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != $INSTDIR
        DeleteRegValue HKLM "${UNINSTALL_KEY}" "SoftwareAdapterLibrary"
        DeleteRegValue HKLM "${UNINSTALL_KEY}" "WindowsWifiLibrary"
    ${EndIf}
SectionEnd

; Which Vexa5200.dll the program talks to: one of three, chosen like radio buttons
; (.onSelChange). A Vexa5200.dll already beside the program may be the card's own library: it
; stays. Only one that an install put here (marked in the uninstall entry) is replaced, and
; removed again by the uninstaller.
SectionGroup /e "Adapter library"
    Section "The card's own library (installed with its driver)" SecCardLibrary
    SectionEnd

    Section /o "Software adapter (to try Skylook without the card)" SecAdapter
        Call LibraryMayBeReplaced
        Pop $0
        ${If} $0 = 1
            File "${BINDIR}/Vexa5200.dll"
            DeleteRegValue HKLM "${UNINSTALL_KEY}" "WindowsWifiLibrary"
            WriteRegDWORD HKLM "${UNINSTALL_KEY}" "SoftwareAdapterLibrary" 1
        ${Else}
            DetailPrint "${KEPT_LIBRARY_NOTE}"
        ${EndIf}
        File "${BINDIR}/vexasim.exe"
    SectionEnd

    Section /o "Windows Wi-Fi: any wireless card" SecWindowsWifi
        Call LibraryMayBeReplaced
        Pop $0
        ${If} $0 = 1
            File "/oname=Vexa5200.dll" "${BINDIR}/windows-wifi/Vexa5200.dll"
            DeleteRegValue HKLM "${UNINSTALL_KEY}" "SoftwareAdapterLibrary"
            WriteRegDWORD HKLM "${UNINSTALL_KEY}" "WindowsWifiLibrary" 1
            ; The software adapter's tool has no card to drive any more.
            Delete "$INSTDIR\vexasim.exe"
        ${Else}
            DetailPrint "${KEPT_LIBRARY_NOTE}"
        ${EndIf}
    SectionEnd
SectionGroupEnd

; Skylook runs as the signed-in user, without administrator rights, and keeps its settings
; under HKLM, which only administrators may change: the Users group gets the right to keep
; them there. Without it the program still runs, but forgets every change at its next start.
Section "-Settings access"
    nsExec::ExecToLog '"$INSTDIR\skylookctl.exe" grant-settings-access'
    Pop $0
    ${If} $0 != 0
        DetailPrint "Users could not be allowed to store the settings (exit status $0)."
        MessageBox MB_ICONEXCLAMATION "${SETTINGS_ACCESS_WARNING}" /SD IDOK
    ${EndIf}
SectionEnd

; With nothing stored, the program's first start would apply the open network "Wireless" and so
; leave the network Windows is connected to: the import makes that network the default
; settings. It runs after the grant, so that the keys it creates are the Users' to change too,
; and as the administrator the setup program runs as, to whom Windows gives the keys.
Section "-Windows profiles"
    ${If} ${SectionIsSelected} ${SecWindowsWifi}
        nsExec::ExecToLog '"$INSTDIR\skylookctl.exe" import-windows-profiles --if-no-defaults'
        Pop $0
        ${If} $0 == 1
            MessageBox MB_ICONEXCLAMATION "${IMPORT_WARNING}" /SD IDOK
        ${ElseIf} $0 != 0
            DetailPrint "No Windows profile was imported (exit status $0)."
        ${EndIf}
    ${EndIf}
SectionEnd

; Without a Vexa5200.dll the program cannot start: the card's driver puts one in the system
; folder (or the card's library is placed beside the program), or one of the setup's stands in.
Section "-Adapter library check"
    ${If} ${SectionIsSelected} ${SecCardLibrary}
        ${IfNot} ${FileExists} "$INSTDIR\Vexa5200.dll"
        ${AndIfNot} ${FileExists} "$SYSDIR\Vexa5200.dll"
            DetailPrint "No Vexa5200.dll found: Skylook starts once the card's driver is installed."
            MessageBox MB_ICONEXCLAMATION "${NO_LIBRARY_WARNING}" /SD IDOK
        ${EndIf}
    ${EndIf}
SectionEnd

Section "Start menu shortcut" SecShortcut
    CreateShortCut "${SHORTCUT}" "$INSTDIR\skylook.exe"
SectionEnd

Section "Start at log-on" SecAutostart
    WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\skylook.exe"'
SectionEnd

; Last, so that the size counts every file installed.
Section "-Registration"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\skylook.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The registration (uninstall entry, start at log-on, shortcut) is one per machine. An install
; into another folder than the registered one takes it over, so the copy there would be left
; unregistered with an uninstaller that no longer owns anything: it is removed, after asking
; (a quiet install removes it). Its settings stay, as in any quiet uninstall.
Function RemoveCopyElsewhere
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
    ${OrIf} $0 == $INSTDIR
    ${OrIfNot} ${FileExists} "$0\uninstall.exe"
        Return
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONQUESTION "Skylook is also installed in $0.$\r$\n$\r$\nRemove that copy? Your network settings and profiles are kept." /SD IDYES IDYES remove
    Return
  remove:
    ; Run in place (_?=), so it does not delete its own file: that is done here after it ended.
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
FunctionEnd

; 1 on the stack when the Vexa5200.dll beside the program is the setup program's own (or there
; is none), so that it may be replaced; 0 when it is another, the card's own perhaps.
Function LibraryMayBeReplaced
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "SoftwareAdapterLibrary"
    ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "WindowsWifiLibrary"
    ${If} $0 = 1
    ${OrIf} $1 = 1
    ${OrIfNot} ${FileExists} "$INSTDIR\Vexa5200.dll"
        Push 1
    ${Else}
        Push 0
    ${EndIf}
FunctionEnd

; The adapter library chosen: exactly one of the three sections is selected.
Var AdapterChoice

Function SelectAdapterChoice
    !insertmacro UnselectSection ${SecCardLibrary}
    !insertmacro UnselectSection ${SecAdapter}
    !insertmacro UnselectSection ${SecWindowsWifi}
    !insertmacro SelectSection $AdapterChoice
FunctionEnd

!macro TakeTickedLibrary SECTION
    ${If} ${SectionIsSelected} ${SECTION}
    ${AndIf} $AdapterChoice <> ${SECTION}
        StrCpy $0 ${SECTION}
    ${EndIf}
!macroend

; A library ticked beside the chosen one becomes the choice (the group's own box ticks all three:
; the last wins); unticking the chosen one leaves it chosen.
Function .onSelChange
    StrCpy $0 $AdapterChoice
    !insertmacro TakeTickedLibrary ${SecCardLibrary}
    !insertmacro TakeTickedLibrary ${SecAdapter}
    !insertmacro TakeTickedLibrary ${SecWindowsWifi}
    StrCpy $AdapterChoice $0
    Call SelectAdapterChoice
FunctionEnd

; Components chosen on the command line, for quiet installs.
Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "${PRODUCT} needs 64-bit Windows." /SD IDOK
        Abort
    ${EndIf}
    SetShellVarContext all
    StrCpy $AdapterChoice ${SecCardLibrary}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ADAPTER" $1
    ${IfNot} ${Errors}
        StrCpy $AdapterChoice ${SecAdapter}
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/WINDOWSWIFI" $1
    ${IfNot} ${Errors}
        StrCpy $AdapterChoice ${SecWindowsWifi}
    ${EndIf}
    Call SelectAdapterChoice
    ClearErrors
    ${GetOptions} $0 "/NOSHORTCUT" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecShortcut}
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/NOAUTOSTART" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecAutostart}
    ${EndIf}
FunctionEnd

; Off unless ticked (or /REMOVESETTINGS given), and so never in a plain quiet uninstall. It
; comes first, while skylookctl.exe is there: users may make keys among the profiles, one of
; them a registry link to any key of HKLM, which DeleteRegKey would follow as administrator;
; the tool removes a link as the link.
Section /o "un.Remove my network settings and profiles" SecRemoveSettings
    Call un.EndRunningCopy
    nsExec::ExecToLog '"$INSTDIR\skylookctl.exe" remove-settings'
    Pop $0
    ${If} $0 != 0
        DetailPrint "The settings could not all be removed (exit status $0)."
        MessageBox MB_ICONEXCLAMATION "${SETTINGS_NOT_REMOVED_WARNING}" /SD IDOK
    ${EndIf}
SectionEnd

Section "-un.Program"
    Call un.EndRunningCopy
    ; The registration belongs to the folder it names. An uninstaller of another folder (a copy
    ; left behind when Skylook was installed elsewhere) removes its own files and nothing of
    ; the registered install's: not its shortcut, log-on value or uninstall entry.
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 == $INSTDIR
        Delete "${SHORTCUT}"
        DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
    ${Else}
        ReadRegStr $2 HKLM "${RUN_KEY}" "${RUN_VALUE}"
        ${If} $2 == '"$INSTDIR\skylook.exe"'
            DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"
        ${EndIf}
    ${EndIf}
    Delete "$INSTDIR\skylook.exe"
    Delete "$INSTDIR\skylookctl.exe"
    Delete "$INSTDIR\vexasim.exe"
    ; Whether the library is the install's own is known only for the registered folder.
    ${If} $1 == $INSTDIR
        ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "SoftwareAdapterLibrary"
        ${If} $0 = 1
            Delete "$INSTDIR\Vexa5200.dll"
            ; The software adapter's simulated card, which it keeps for all users.
            Delete "${ADAPTER_STATE_FOLDER}\AdapterState.bin"
            RMDir "${ADAPTER_STATE_FOLDER}"
        ${EndIf}
        ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "WindowsWifiLibrary"
        ${If} $0 = 1
            Delete "$INSTDIR\Vexa5200.dll"
        ${EndIf}
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    ; Files the user put in the folder keep it.
    RMDir "$INSTDIR"
    ${If} $1 == $INSTDIR
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd

Function un.onInit
    SetShellVarContext all
    ${un.GetParameters} $0
    ClearErrors
    ${un.GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecRemoveSettings}
    ${EndIf}
FunctionEnd
