# Writes the Windows resource script of lunda.exe from res/: the string table from strings.json,
# icon 128 from icons/128.xpm (32x32, 16 colours), the version record and the manifest.
# Regenerated whenever a source changes.

# The RC form of a text: quotes doubled, backslashes and line feeds escaped.
function(lunda_rc_string text out)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\"\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# Appends a little-endian value of `bytes` bytes to the byte list `list`.
macro(lunda_append_le list value bytes)
  set(lunda_value ${value})
  foreach(lunda_i RANGE 1 ${bytes})
    math(EXPR lunda_byte "${lunda_value} & 255")
    list(APPEND ${list} ${lunda_byte})
    math(EXPR lunda_value "${lunda_value} >> 8")
  endforeach()
endmacro()

# The icon image (BITMAPINFOHEADER, palette, 4-bit colours, transparency mask) as RC words.
function(lunda_icon_words xpm out)
  file(STRINGS ${xpm} lines REGEX "^\"")
  list(POP_FRONT lines header)
  string(REGEX MATCH "\"([0-9]+) ([0-9]+) ([0-9]+) 1\"" found "${header}")
  if(NOT CMAKE_MATCH_1 EQUAL 32 OR NOT CMAKE_MATCH_2 EQUAL 32)
    message(FATAL_ERROR "${xpm}: the icon must be 32x32 with one character per pixel")
  endif()
  set(colourCount ${CMAKE_MATCH_3})
  set(palette "")  # RGBQUAD bytes
  set(index 0)
  foreach(i RANGE 1 ${colourCount})
    list(POP_FRONT lines line)
    string(REGEX MATCH "^\"(.) c (.*)\"" found "${line}")
    set(symbol "${CMAKE_MATCH_1}")
    set(colour "${CMAKE_MATCH_2}")
    if(colour STREQUAL "None")
      set(transparent "${symbol}")
    else()
      string(SUBSTRING "${colour}" 1 2 r)
      string(SUBSTRING "${colour}" 3 2 g)
      string(SUBSTRING "${colour}" 5 2 b)
      foreach(component b g r)
        math(EXPR value "0x${${component}}")
        list(APPEND palette ${value})
      endforeach()
      list(APPEND palette 0)
      set(index_${symbol} ${index})
      math(EXPR index "${index} + 1")
    endif()
  endforeach()
  if(index GREATER 16)
    message(FATAL_ERROR "${xpm}: more than 16 colours")
  endif()
  foreach(i RANGE ${index} 15)
    if(i LESS 16)
      list(APPEND palette 0 0 0 0)
    endif()
  endforeach()
  # Rows bottom up: 4 bits per pixel, then one mask bit per pixel (set: transparent).
  list(REVERSE lines)
  set(colours "")
  set(mask "")
  foreach(line IN LISTS lines)
    string(SUBSTRING "${line}" 1 32 row)
    set(maskValue 0)
    foreach(x RANGE 0 31 2)
      math(EXPR next "${x} + 1")
      set(pair 0)
      foreach(column ${x} ${next})
        string(SUBSTRING "${row}" ${column} 1 symbol)
        math(EXPR maskValue "${maskValue} << 1")
        if(symbol STREQUAL "${transparent}")
          set(colour 0)
          math(EXPR maskValue "${maskValue} | 1")
        else()
          set(colour ${index_${symbol}})
        endif()
        math(EXPR pair "(${pair} << 4) | ${colour}")
      endforeach()
      list(APPEND colours ${pair})
    endforeach()
    foreach(shift 24 16 8 0)
      math(EXPR byte "(${maskValue} >> ${shift}) & 255")
      list(APPEND mask ${byte})
    endforeach()
  endforeach()
  set(bytes "")
  foreach(field 40:4 32:4 64:4 1:2 4:2 0:4 640:4 0:4 0:4 16:4 0:4)
    string(REPLACE ":" ";" field "${field}")
    list(GET field 0 value)
    list(GET field 1 size)
    lunda_append_le(bytes ${value} ${size})
  endforeach()
  list(APPEND bytes ${palette} ${colours} ${mask})
  list(LENGTH bytes size)
  math(EXPR lastByte "${size} - 1")
  set(words "")
  set(text "")
  foreach(i RANGE 0 ${size} 2)
    if(i LESS size)
      math(EXPR next "${i} + 1")
      list(GET bytes ${i} low)
      list(GET bytes ${next} high)
      math(EXPR word "${low} | (${high} << 8)" OUTPUT_FORMAT HEXADECIMAL)
      list(APPEND words "${word}")
      math(EXPR column "${i} % 24")
      if(column EQUAL 22 AND next LESS lastByte)
        list(JOIN words ", " line)
        string(APPEND text "${line},\n  ")
        set(words "")
      endif()
    endif()
  endforeach()
  list(JOIN words ", " line)
  string(APPEND text "${line}")
  set(${out} "${text}" PARENT_SCOPE)
  set(${out}_size ${size} PARENT_SCOPE)
endfunction()

# Writes lunda.exe.manifest into folder: the common controls of version 6, and the execution
# level asInvoker. Without a level Windows treats a 32-bit program as one written before UAC and
# virtualises its writes: "/i" run without administrator rights would write the driver's
# registration list into the user's VirtualStore instead of the shared driver folder, and report
# success; lunda-cli's output files could vanish there the same way.
function(lunda_windows_manifest folder)
  file(WRITE ${folder}/lunda.exe.manifest [=[<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <assemblyIdentity type="win32" name="lunda" version="2.22.0.0" processorArchitecture="*"/>
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
  <trustInfo xmlns="urn:schemas-microsoft-com:asm.v3">
    <security>
      <requestedPrivileges>
        <requestedExecutionLevel level="asInvoker" uiAccess="false"/>
      </requestedPrivileges>
    </security>
  </trustInfo>
  <compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1">
    <application>
      <supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>
    </application>
  </compatibility>
</assembly>
]=])
endfunction()

# lunda-cli's resource script at output: the manifest alone.
function(lunda_windows_manifest_resources output)
  get_filename_component(folder ${output} DIRECTORY)
  lunda_windows_manifest(${folder})
  file(WRITE ${output} "// Generated by cmake/windows_resources.cmake; do not edit.\n"
                       "1 24 \"lunda.exe.manifest\"\n")
endfunction()

function(lunda_windows_resources output)
  set(res ${PROJECT_SOURCE_DIR}/res)
  file(READ ${res}/strings.json json)
  string(JSON count LENGTH "${json}")
  math(EXPR last "${count} - 1")
  set(strings "")
  foreach(i RANGE ${last})
    string(JSON id MEMBER "${json}" ${i})
    # An entry is its text, or an object with a name for the code and the text.
    string(JSON type TYPE "${json}" "${id}")
    if(type STREQUAL "OBJECT")
      string(JSON text GET "${json}" "${id}" text)
    else()
      string(JSON text GET "${json}" "${id}")
    endif()
    lunda_rc_string("${text}" quoted)
    string(APPEND strings "  ${id} ${quoted}\n")
  endforeach()
  lunda_icon_words(${res}/icons/128.xpm icon)
  get_filename_component(folder ${output} DIRECTORY)
  lunda_windows_manifest(${folder})
  file(CONFIGURE OUTPUT ${output} @ONLY CONTENT [=[// Generated by cmake/windows_resources.cmake from res/; do not edit.
#pragma code_page(65001)
LANGUAGE 0x19, 0x01

STRINGTABLE
BEGIN
@strings@END

// Icon 128: one 32x32 image in 16 colours (RT_ICON 1 in the group RT_GROUP_ICON 128).
1 3
BEGIN
  @icon@
END
128 14
BEGIN
  0, 1, 1, 0x2020, 0x0010, 1, 4, @icon_size@L, 1
END

1 VERSIONINFO
FILEVERSION 2,22,0,0
PRODUCTVERSION 2,22,0,0
FILEFLAGSMASK 0x3fL
FILEOS 0x40004L
FILETYPE 0x1L
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "041904e3"
    BEGIN
      VALUE "FileDescription", "Программатор ЛУНДА"
      VALUE "FileVersion", "2, 22, 0, 0"
      VALUE "InternalName", "lunda"
      VALUE "OriginalFilename", "lunda.exe"
      VALUE "ProductName", "Программатор ЛУНДА"
      VALUE "ProductVersion", "2, 22, 0, 0"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x419, 1251
  END
END

// The common controls of version 6, in the system's visual style, and the execution level.
1 24 "lunda.exe.manifest"
]=])
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${res}/strings.json ${res}/icons/128.xpm)
endfunction()
