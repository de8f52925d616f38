; The Windows installer: the 32-bit lunda.exe, lunda-cli.exe, lunda.chm and the example
; algorithms into Program Files (on 64-bit Windows the 32-bit one, Program Files (x86)), a
; Start-menu entry that starts in that folder (where "data" is), and the port driver registered
; by "lunda.exe /i" after installing and unregistered by "lunda.exe /u" before uninstalling. The
; driver's own files are not part of it: lunda expects them in place. 64-bit Windows gives no
; program the port, so there the driver is neither registered nor looked for.
; Built by the cross build's "installer" target, which defines VERSION, FILES (the generated
; list of files, as the macros LUNDA_INSTALL_FILES and LUNDA_REMOVE_FILES), LICENSE (the MIT
; licence, shown before anything is installed) and OUTFILE.
Unicode true
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "${FILES}"

!define PRODUCT "Программатор ЛУНДА"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\lunda"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; The same program on a USB adapter with an FTDI chip instead of the parallel port.
!define USB_SHORTCUT "$SMPROGRAMS\ЛУНДА (USB-адаптер).lnk"
; Where the 32-bit lunda looks for the 32-bit port-I/O driver: Vilt under the 32-bit common
; program files folder.
!define DRIVER_FOLDER "$COMMONFILES32\Vilt"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES32\lunda"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка: ${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "© 2026 lunda maintainers, MIT License"

!define MUI_FINISHPAGE_TITLE "Установка завершена"
!define MUI_FINISHPAGE_TEXT "${PRODUCT} установлен в папку $INSTDIR.$\r$\n$\r$\nДрайвер LPT-порта \
  (WinIo.dll и WinIo.sys) в комплект не входит: программа ищет его в папке ${DRIVER_FOLDER}."
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN "$INSTDIR\lunda.exe"
!define MUI_FINISHPAGE_RUN_NOTCHECKED
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section
  !insertmacro LUNDA_INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut's working folder is the output path: the folder that holds "data".
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\lunda.exe" "" "$INSTDIR\lunda.exe" 0 SW_SHOWNORMAL "" \
    "Параметры алгоритмов контроллеров ЛУНДА и их запись через LPT-порт"
  CreateShortCut "${USB_SHORTCUT}" "$INSTDIR\lunda.exe" "--port=ftdi" "$INSTDIR\lunda.exe" 0 \
    SW_SHOWNORMAL "" "Запись алгоритмов в контроллеры ЛУНДА через USB-адаптер на микросхеме FTDI"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lunda.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ${If} ${RunningX64}
    DetailPrint "64-разрядная Windows: драйвер LPT-порта здесь не работает."
    MessageBox MB_ICONINFORMATION|MB_OK "64-разрядная Windows не даёт программам прямого доступа \
      к LPT-порту, и драйвер LPT-порта здесь не поможет. Записывать контроллер можно через \
      USB-адаптер (ярлык «ЛУНДА (USB-адаптер)») или через LPT-порт из 32-разрядной \
      Windows.$\r$\n$\r$\nОпробовать программу без контроллера можно с имитацией контроллера \
      (lunda.exe --port=sim)." /SD IDOK
    Goto driver_found
  ${EndIf}
  ; lunda registers itself with the driver, or, without the driver's files, quietly does nothing.
  DetailPrint "Драйвер LPT-порта: lunda.exe /i"
  ExecWait '"$INSTDIR\lunda.exe" /i'
  IfFileExists "${DRIVER_FOLDER}\WinIo.dll" 0 driver_missing
  IfFileExists "${DRIVER_FOLDER}\WinIo.sys" driver_found driver_missing
  driver_missing:
    DetailPrint "Файлов драйвера LPT-порта нет в папке ${DRIVER_FOLDER}."
    MessageBox MB_ICONINFORMATION|MB_OK "Драйвер LPT-порта (WinIo.dll и WinIo.sys) в комплект \
      не входит, и в папке ${DRIVER_FOLDER} его нет.$\r$\n$\r$\nПоложите туда файлы драйвера и \
      запустите «lunda.exe /i» от имени администратора. Без драйвера программа работает только \
      с имитацией контроллера (lunda.exe --port=sim)." /SD IDOK
  driver_found:
SectionEnd

Section "Uninstall"
  ; Before the files go: lunda takes itself out of the driver's list, and the last user out
  ; removes the driver.
  ${IfNot} ${RunningX64}
    DetailPrint "Драйвер LPT-порта: lunda.exe /u"
    ExecWait '"$INSTDIR\lunda.exe" /u'
  ${EndIf}

  SetShellVarContext all
  Delete "${SHORTCUT}"
  Delete "${USB_SHORTCUT}"
  !insertmacro LUNDA_REMOVE_FILES
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: algorithms the user added to "data" stay.
  RMDir "$INSTDIR\data"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
