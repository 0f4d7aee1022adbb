#!/usr/bin/env bash
# Makes the Windows installer natalis-<versão>-instalar.exe (NSIS, Debian nsis) from the
# program folder constroi.sh laid out, in Portuguese of Portugal: licence, folder choice
# (Program Files for an administrator, the user's own programs folder otherwise), Start-menu
# shortcuts to Natalis and its help, the .anc and .orb file types for the user, and an
# uninstaller that removes what it installed and leaves the user's charts and orbs.
set -euo pipefail
source "$(dirname "$0")/comum.sh"
PASTA="$WIN_RAIZ/build-windows/natalis"
[ -f "$PASTA/natalis.exe" ] || { echo "Falta $PASTA/natalis.exe: corra scripts/windows/constroi.sh" >&2; exit 1; }
VERSAO="$(sed -n 's/^project(Natalis VERSION \([0-9.]*\).*/\1/p' "$WIN_RAIZ/CMakeLists.txt")"
SAIDA="$WIN_RAIZ/build-windows/natalis-$VERSAO-instalar.exe"
NSI="$WIN_RAIZ/build-windows/natalis.nsi"
INICIO=$SECONDS

# Only what is shipped: the folders the user writes into (logs, orbs, backgrounds) travel
# empty or with the shipped files alone, and the uninstaller removes exactly this list.
cd "$PASTA"
mapfile -t FICHEIROS < <(find . -type f ! -path './logs/*' ! -name '*.antigo' ! -name '.renovo-*' \
  ! -name 'instalado-pelo-sistema' | sed 's|^\./||' | LC_ALL=C sort)
mapfile -t PASTAS < <(find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r)
# makensis runs here: the files it takes are named by this machine's paths, the places it
# writes them to by Windows paths.
janelas() { printf '%s' "$1" | tr '/' '\\'; }

{
cat <<NSIS
; A 64-bit installer for a 64-bit program (and Debian's Wine, which runs 64-bit programs only).
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

Name "Natalis"
OutFile "$SAIDA"
RequestExecutionLevel highest
InstallDir "\$LOCALAPPDATA\\Programs\\Natalis"
BrandingText "Natalis $VERSAO"
Var Todos

!define MUI_ICON "$WIN_RAIZ/build-windows/natalis.ico"
!define MUI_UNICON "$WIN_RAIZ/build-windows/natalis.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "\$INSTDIR\\natalis.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir o Natalis"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "$WIN_RAIZ/LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Portuguese"

VIProductVersion "$VERSAO.0"
VIAddVersionKey /LANG=\${LANG_PORTUGUESE} "ProductName" "Natalis"
VIAddVersionKey /LANG=\${LANG_PORTUGUESE} "FileDescription" "Instalador do Natalis"
VIAddVersionKey /LANG=\${LANG_PORTUGUESE} "FileVersion" "$VERSAO"
VIAddVersionKey /LANG=\${LANG_PORTUGUESE} "ProductVersion" "$VERSAO"
VIAddVersionKey /LANG=\${LANG_PORTUGUESE} "LegalCopyright" "GNU GPL 3"

!macro RaizDesinstalacao
  \${If} \$Todos == 1
    SetShellVarContext all
  \${Else}
    SetShellVarContext current
  \${EndIf}
!macroend

Function .onInit
  \${If} \${RunningX64}
    SetRegView 64
  \${EndIf}
  UserInfo::GetAccountType
  Pop \$0
  \${If} \$0 == "Admin"
    StrCpy \$Todos 1
    SetShellVarContext all
    StrCpy \$INSTDIR "\$PROGRAMFILES64\\Natalis"
  \${Else}
    StrCpy \$Todos 0
    SetShellVarContext current
  \${EndIf}
FunctionEnd

Section "Natalis"
  SetOutPath "\$INSTDIR"
NSIS
for p in $(printf '%s\n' "${PASTAS[@]}" | LC_ALL=C sort); do echo "  CreateDirectory \"\$INSTDIR\\$(janelas "$p")\""; done
for f in "${FICHEIROS[@]}"; do
  echo "  File \"/oname=\$INSTDIR\\$(janelas "$f")\" \"$PASTA/$f\""
done
cat <<NSIS
  CreateDirectory "\$INSTDIR\\logs"
  ; In Program Files the folder is the system's: charts go to Documents, orbs and backgrounds
  ; to the user's data folder, and updates come from a new installer.
  \${If} \$Todos == 1
    FileOpen \$0 "\$INSTDIR\\instalado-pelo-sistema" w
    FileWrite \$0 "Instalado pelo instalador do Natalis $VERSAO\$\\r\$\\n"
    FileClose \$0
  \${EndIf}
  WriteUninstaller "\$INSTDIR\\desinstalar.exe"

  CreateDirectory "\$SMPROGRAMS\\Natalis"
  CreateShortcut "\$SMPROGRAMS\\Natalis\\Natalis.lnk" "\$INSTDIR\\natalis.exe" "" "\$INSTDIR\\natalis.exe" 0
  CreateShortcut "\$SMPROGRAMS\\Natalis\\Ajuda do Natalis.lnk" "\$INSTDIR\\natalis.html"
  CreateShortcut "\$SMPROGRAMS\\Natalis\\Desinstalar o Natalis.lnk" "\$INSTDIR\\desinstalar.exe"

  ; The file types, for this user.
  WriteRegStr HKCU "Software\\Classes\\.anc" "" "Natalis.Chart"
  WriteRegStr HKCU "Software\\Classes\\Natalis.Chart" "" "Mapa astral do Natalis"
  WriteRegStr HKCU "Software\\Classes\\Natalis.Chart\\DefaultIcon" "" "\$INSTDIR\\natalis.exe,0"
  WriteRegStr HKCU "Software\\Classes\\Natalis.Chart\\shell\\open\\command" "" '"\$INSTDIR\\natalis.exe" "%1"'
  WriteRegStr HKCU "Software\\Classes\\.orb" "" "Natalis.Orb"
  WriteRegStr HKCU "Software\\Classes\\Natalis.Orb" "" "Orbes de aspectos do Natalis"
  WriteRegStr HKCU "Software\\Classes\\Natalis.Orb\\DefaultIcon" "" "\$INSTDIR\\natalis.exe,0"
  WriteRegStr HKCU "Software\\Classes\\Natalis.Orb\\shell\\open\\command" "" '"\$INSTDIR\\natalis.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  !define DESINST "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Natalis"
  \${If} \$Todos == 1
    WriteRegStr HKLM "\${DESINST}" "DisplayName" "Natalis"
    WriteRegStr HKLM "\${DESINST}" "DisplayVersion" "$VERSAO"
    WriteRegStr HKLM "\${DESINST}" "DisplayIcon" "\$INSTDIR\\natalis.exe,0"
    WriteRegStr HKLM "\${DESINST}" "UninstallString" '"\$INSTDIR\\desinstalar.exe"'
    WriteRegStr HKLM "\${DESINST}" "InstallLocation" "\$INSTDIR"
    WriteRegDWORD HKLM "\${DESINST}" "NoModify" 1
  \${Else}
    WriteRegStr HKCU "\${DESINST}" "DisplayName" "Natalis"
    WriteRegStr HKCU "\${DESINST}" "DisplayVersion" "$VERSAO"
    WriteRegStr HKCU "\${DESINST}" "DisplayIcon" "\$INSTDIR\\natalis.exe,0"
    WriteRegStr HKCU "\${DESINST}" "UninstallString" '"\$INSTDIR\\desinstalar.exe"'
    WriteRegStr HKCU "\${DESINST}" "InstallLocation" "\$INSTDIR"
    WriteRegDWORD HKCU "\${DESINST}" "NoModify" 1
  \${EndIf}
  WriteRegStr HKCU "Software\\Natalis\\Instalador" "Todos" "\$Todos"
SectionEnd

Function un.onInit
  \${If} \${RunningX64}
    SetRegView 64
  \${EndIf}
  IfFileExists "\$INSTDIR\\instalado-pelo-sistema" 0 +3
    StrCpy \$Todos 1
    Goto +2
  StrCpy \$Todos 0
  !insertmacro RaizDesinstalacao
FunctionEnd

Section "Uninstall"
  ; Only what the installer put there: the user's charts (logs, Documents\\Natalis\\Mapas), orb
  ; files and backgrounds stay, and so do folders that still hold them.
NSIS
for f in "${FICHEIROS[@]}"; do echo "  Delete \"\$INSTDIR\\$(janelas "$f")\""; done
cat <<NSIS
  Delete "\$INSTDIR\\instalado-pelo-sistema"
  Delete "\$INSTDIR\\desinstalar.exe"
NSIS
for p in "${PASTAS[@]}"; do echo "  RMDir \"\$INSTDIR\\$(janelas "$p")\""; done
cat <<NSIS
  RMDir "\$INSTDIR\\logs"
  RMDir "\$INSTDIR"
  Delete "\$SMPROGRAMS\\Natalis\\Natalis.lnk"
  Delete "\$SMPROGRAMS\\Natalis\\Ajuda do Natalis.lnk"
  Delete "\$SMPROGRAMS\\Natalis\\Desinstalar o Natalis.lnk"
  RMDir "\$SMPROGRAMS\\Natalis"
  ReadRegStr \$0 HKCU "Software\\Classes\\Natalis.Chart\\shell\\open\\command" ""
  StrCmp \$0 '"\$INSTDIR\\natalis.exe" "%1"' 0 +5
    DeleteRegKey HKCU "Software\\Classes\\Natalis.Chart"
    DeleteRegKey HKCU "Software\\Classes\\Natalis.Orb"
    DeleteRegKey HKCU "Software\\Classes\\.anc"
    DeleteRegKey HKCU "Software\\Classes\\.orb"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  \${If} \$Todos == 1
    DeleteRegKey HKLM "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Natalis"
  \${Else}
    DeleteRegKey HKCU "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Natalis"
  \${EndIf}
  DeleteRegKey HKCU "Software\\Natalis\\Instalador"
SectionEnd
NSIS
} > "$NSI"

passo "A fazer $(basename "$SAIDA")"
makensis -V2 -INPUTCHARSET UTF8 "$NSI"
passo "Pronto: $SAIDA ($(du -h "$SAIDA" | cut -f1), $(( SECONDS - INICIO )) s)"
