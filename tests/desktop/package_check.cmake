# Builds the Debian package from a built tree and checks what it holds and
# says about itself; lintian, when installed, must find no error.
#   cmake -DCPACK=... -DCONFIG=.../CPackConfig.cmake -DWORK=... -DVERSION=1.0.0
#         -DCHANGELOG=.../changelog.Debian -P package_check.cmake
foreach(var CPACK CONFIG WORK VERSION CHANGELOG)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
set(package vlan-tools)
set(full_version ${VERSION}-1)

function(run out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}):\n${output}\n${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

# Fails with message_text unless condition, an if() condition given as text,
# holds.
function(expect condition message_text)
  cmake_language(EVAL CODE "if(NOT (${condition}))
    message(FATAL_ERROR [==[${message_text}]==])
  endif()")
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
run(ignored "${CPACK}" -G DEB --config "${CONFIG}" -B "${WORK}")
file(GLOB debs "${WORK}/*.deb")
list(LENGTH debs count)
expect("count EQUAL 1" "expected one package, found: ${debs}")
list(GET debs 0 deb)
run(architecture dpkg --print-architecture)
string(STRIP "${architecture}" architecture)
get_filename_component(deb_name "${deb}" NAME)
expect("deb_name STREQUAL \"${package}_${full_version}_${architecture}.deb\""
       "unexpected package file name ${deb_name}")

# Control fields.
function(field name expected_regex)
  run(value dpkg-deb -f "${deb}" ${name})
  string(STRIP "${value}" value)
  if(NOT value MATCHES "${expected_regex}")
    message(FATAL_ERROR "field ${name} is '${value}', expected to match '${expected_regex}'")
  endif()
endfunction()
field(Package "^${package}$")
field(Version "^${full_version}$")
field(Architecture "^${architecture}$")
field(Section "^net$")
field(Priority "^optional$")
field(Maintainer "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
field(Description "^VLAN to DSLAM card slot and port calculators\n .*orvane.*tandrel")
# Run-time dependencies found by dpkg-shlibdeps, plus the windows' font.
field(Depends "libc6 \\(>= [^)]+\\)")
field(Depends "libqt6widgets6 \\(>= [^)]+\\)")
field(Depends "libqt6gui6")
field(Depends "fonts-liberation2")

# Contents: everything below /usr, both programs and nothing else in bin.
run(listing dpkg-deb -c "${deb}")
string(REGEX MATCHALL "\\./[^\n]*" paths "${listing}")
set(expected
  ./usr/bin/orvane ./usr/bin/tandrel
  ./usr/share/applications/orvane.desktop ./usr/share/applications/tandrel.desktop
  ./usr/share/doc/${package}/copyright ./usr/share/doc/${package}/changelog.Debian.gz
  ./usr/share/man/man1/orvane.1.gz ./usr/share/man/man1/tandrel.1.gz
  ./usr/share/icons/hicolor/scalable/apps/orvane.svg
  ./usr/share/icons/hicolor/scalable/apps/tandrel.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/orvane.png
                       ./usr/share/icons/hicolor/${size}x${size}/apps/tandrel.png)
endforeach()
foreach(path ${expected})
  list(FIND paths "${path}" found)
  expect("NOT found EQUAL -1" "the package lacks ${path}")
endforeach()
foreach(path ${paths})
  expect("path MATCHES \"^\\\\./usr/\" OR path STREQUAL \"./\"" "outside /usr: ${path}")
  if(path MATCHES "^\\./usr/bin/.")
    list(FIND expected "${path}" found)
    expect("NOT found EQUAL -1" "unexpected program ${path}")
  endif()
endforeach()
expect("listing MATCHES \"-rwxr-xr-x root/root [^\n]* \\\\./usr/bin/orvane\""
       "orvane is not an executable owned by root")

# What is inside the files.
set(root "${WORK}/root")
run(ignored dpkg-deb -x "${deb}" "${root}")
# gzip -9n: no name and no time in the header, best compression flag.
foreach(gz usr/share/doc/${package}/changelog.Debian.gz usr/share/man/man1/orvane.1.gz)
  file(READ "${root}/${gz}" header LIMIT 10 HEX)
  expect("header MATCHES \"^1f8b08000000000002\""
         "${gz} is not compressed with gzip -9n: ${header}")
endforeach()
# Each PNG icon is as large as the folder it lies in says (PNG's IHDR width
# and height, big-endian, from byte 16).
foreach(size 16 32 48 64 128 256)
  foreach(program orvane tandrel)
    file(READ "${root}/usr/share/icons/hicolor/${size}x${size}/apps/${program}.png" ihdr
         OFFSET 16 LIMIT 8 HEX)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${side}" 2 -1 side)
    string(LENGTH "${side}" digits)
    math(EXPR pad "8 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    expect("ihdr STREQUAL \"${zeros}${side}${zeros}${side}\""
           "${program}.png in ${size}x${size} has the size bytes ${ihdr}")
  endforeach()
endforeach()
file(STRINGS "${CHANGELOG}" first LIMIT_COUNT 1)
expect("first MATCHES \"^${package} \\\\(${full_version}\\\\) \""
       "the changelog's latest entry is not for ${full_version}: ${first}")
find_program(FILE_PROGRAM file)
if(FILE_PROGRAM)
  foreach(program orvane tandrel)
    run(kind "${FILE_PROGRAM}" -b "${root}/usr/bin/${program}")
    expect("kind MATCHES \"ELF\" AND kind MATCHES \", stripped\"" "${program}: ${kind}")
  endforeach()
endif()
# The desktop entries start the installed programs by name.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
foreach(program orvane tandrel)
  set(entry "${root}/usr/share/applications/${program}.desktop")
  file(STRINGS "${entry}" exec REGEX "^Exec=")
  expect("exec STREQUAL \"Exec=${program}\"" "${program}.desktop: ${exec}")
  file(STRINGS "${entry}" icon REGEX "^Icon=")
  expect("icon STREQUAL \"Icon=${program}\"" "${program}.desktop: ${icon}")
  if(DESKTOP_FILE_VALIDATE)
    run(ignored "${DESKTOP_FILE_VALIDATE}" "${entry}")
  endif()
endforeach()

find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --fail-on error "${deb}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  message(STATUS "lintian:\n${output}${errors}")
  expect("status EQUAL 0" "lintian reports errors")
else()
  message(STATUS "lintian is not installed; skipped")
endif()
message(STATUS "${deb_name} checked")
