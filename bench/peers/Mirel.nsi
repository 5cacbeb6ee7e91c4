; The add-in's installer as an NSIS author would write it, doing the job installer.exe does:
; the distribution folder into Program Files (the program as MirelSetup.exe), two shortcuts,
; the module's own registration and the entry in Windows' list of installed programs. The
; benchmark runs it silently (/S), and its uninstaller likewise.
;   makensis -DDIST=<distribution folder> -DOUTFILE=<installer> -DVERSION=5.00
;            -DPUBLISHER=<publisher> -DHOME_URL=<home page> Mirel.nsi
; UTF-8 with a byte-order mark: makensis then reads the Japanese texts as they are.
Unicode true
RequestExecutionLevel admin
Name "ミレル"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Mirel"
; The compression an NSIS installer ships with unless its author chooses otherwise.
SetCompressor zlib

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirel"
!define LINK_NAME "ミレル環境設定(アンインストールもこちらから)"
!define LINK_DESCRIPTION "ミレル環境設定"
!define PROGRAMS_FOLDER "$SMPROGRAMS\ミレル"

Page instfiles
UninstPage instfiles

Section
  ; The shortcuts go to the desktop and Programs menu all users share, where installer.exe puts them.
  SetShellVarContext all
  ; The output path is also the working directory of the shortcuts made after it.
  SetOutPath "$INSTDIR"
  File "/oname=MirelSetup.exe" "${DIST}\installer.exe"
  File /x installer.exe "${DIST}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$DESKTOP\${LINK_NAME}.lnk" "$INSTDIR\MirelSetup.exe" "" "" 0 SW_SHOWNORMAL "" "${LINK_DESCRIPTION}"
  CreateDirectory "${PROGRAMS_FOLDER}"
  CreateShortcut "${PROGRAMS_FOLDER}\${LINK_NAME}.lnk" "$INSTDIR\MirelSetup.exe" "" "" 0 SW_SHOWNORMAL "" "${LINK_DESCRIPTION}"

  RegDLL "$INSTDIR\Mirel.DLL"

  ; The add-in's own entry, value for value as installer.exe writes it.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "ミレル"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_URL}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\MirelSetup.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\MirelSetup.exe" /uninstall'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; The section's size, which makensis counted from the files it packed, in KiB.
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section Uninstall
  SetShellVarContext all
  UnRegDLL "$INSTDIR\Mirel.DLL"
  Delete "${PROGRAMS_FOLDER}\${LINK_NAME}.lnk"
  RMDir "${PROGRAMS_FOLDER}"
  Delete "$DESKTOP\${LINK_NAME}.lnk"
  ; One level deep, as the files were installed.
  Delete "$INSTDIR\*.*"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
