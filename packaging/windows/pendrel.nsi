; The Windows installer: Pendrel for the current user (the default) or for all users of
; the machine (/AllUsers, or the choice on the first page), started at every logon from the
; Startup folder, with an uninstaller and an entry under Add/Remove Programs. /S installs
; and uninstalls silently. makensis is given VERSION, PROGRAM (the built pendrel.exe),
; OUTFILE, and WIN64 for the 64-bit program.

Unicode true
!ifndef VERSION | PROGRAM | OUTFILE
  !error "makensis -DVERSION=... -DPROGRAM=... -DOUTFILE=... pendrel.nsi"
!endif

Name "Pendrel"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pendrel"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "Pendrel"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!ifdef WIN64
  !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

; The 64-bit program's files and keys belong in the 64-bit views, not the 32-bit ones a
; 32-bit installer sees by default.
!macro PendrelRegistryView
  !ifdef WIN64
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This is the 64-bit Pendrel; use the 32-bit installer." /SD IDOK
      Abort
    ${EndIf}
    SetRegView 64
  !endif
!macroend

Function .onInit
  !insertmacro PendrelRegistryView
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro PendrelRegistryView
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Pendrel"
  SetOutPath "$INSTDIR"
  File "/oname=pendrel.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The picture lands in the working directory, so each user's own profile is the one to
  ; start in, also when the program itself sits in a folder users may not write to.
  StrCpy $OUTDIR "%USERPROFILE%"
  CreateShortcut "$SMSTARTUP\Pendrel.lnk" "$INSTDIR\pendrel.exe"

  ; The uninstaller is told the mode it was installed in, so it removes the same entries.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Pendrel"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Pendrel developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pendrel.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; What the program wrote beside itself (lauf.txt, a user's user.txt) is the user's and
; stays; the folder goes when nothing else is in it.
Section "Uninstall"
  Delete "$SMSTARTUP\Pendrel.lnk"
  Delete "$INSTDIR\pendrel.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
