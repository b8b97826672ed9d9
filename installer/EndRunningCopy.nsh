; Ends a running copy of the program the way its tray menu's "Exit" does, so that its files
; can be replaced or removed: the installer and the uninstaller both insert this.

!include LogicLib.nsh
!include WinMessages.nsh

!define PROGRAM_CAPTION "Kelbrin 802.11g Skylook"
!define PROGRAM_EXIT_COMMAND 2024
!define SYNCHRONIZE 0x00100000

; Defines the function ${un}EndRunningCopy; un is empty for the installer and "un." for the
; uninstaller, which may call only functions of its own.
!macro DEFINE_END_RUNNING_COPY un
Function ${un}EndRunningCopy
    Push $0
    Push $1
    Push $2
retry:
    FindWindow $0 "" "${PROGRAM_CAPTION}"
    ${If} $0 <> 0
        ; The window goes before the process has let go of its files: wait for the process.
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1)'
        System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
        SendMessage $0 ${WM_COMMAND} ${PROGRAM_EXIT_COMMAND} 0 /TIMEOUT=5000
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i .r1'
            System::Call 'kernel32::CloseHandle(p r2)'
        ${Else}
            Sleep 2000
        ${EndIf}
        FindWindow $0 "" "${PROGRAM_CAPTION}"
        ${If} $0 <> 0
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${PROGRAM_CAPTION} is still running. End it with Exit in its tray icon's menu, then choose Retry." \
                /SD IDCANCEL IDRETRY retry
            Abort "${PROGRAM_CAPTION} is still running."
        ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
