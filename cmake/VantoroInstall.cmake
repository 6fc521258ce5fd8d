# What `cmake --install` puts where (GNUInstallDirs), and the Debian package
# CPack builds from it. The program finds its data in share/vantoro relative
# to its executable, so any prefix works.
# The project publishes no mail address: the maintainer is the project's name
# with an address that says no mail is read there (README, "Contact").
set(VANTORO_MAINTAINER "Vantoro <noreply@vantoro.invalid>" CACHE STRING
    "The package's maintainer")
set(VANTORO_APP_ID org.vantoro.Vantoro)
set(_data ${CMAKE_INSTALL_DATADIR})
set(_res ${PROJECT_SOURCE_DIR}/resources)
set(_out ${PROJECT_BINARY_DIR}/install-files)
find_program(VANTORO_GZIP gzip REQUIRED)

install(TARGETS vantoro vantoroctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The tips and the manual, with their translations (Vantoro.de.hlp) when there
# are some; a build tree configured before a file was written picks it up on
# its next build. The program's catalogues are embedded in the executables.
file(GLOB _read_only CONFIGURE_DEPENDS ${_res}/Vantoro.txt ${_res}/Vantoro.hlp
     ${_res}/Vantoro.*.txt ${_res}/Vantoro.*.hlp)
install(FILES ${_read_only} DESTINATION ${_data}/vantoro)

# Desktop entry, AppStream metainfo and icons under the one id. The metainfo
# names no screenshot and no home page: neither is published anywhere.
install(FILES ${_res}/${VANTORO_APP_ID}.desktop DESTINATION ${_data}/applications)
configure_file(${_res}/${VANTORO_APP_ID}.metainfo.xml.in ${_out}/${VANTORO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_out}/${VANTORO_APP_ID}.metainfo.xml DESTINATION ${_data}/metainfo)
# The PNGs are drawn from the SVG once, when it changes:
#   rsvg-convert -w N -h N org.vantoro.Vantoro.svg -o NxN/org.vantoro.Vantoro.png
install(FILES ${_res}/icons/${VANTORO_APP_ID}.svg DESTINATION ${_data}/icons/hicolor/scalable/apps)
foreach(size 48x48 128x128)
  install(FILES ${_res}/icons/${size}/${VANTORO_APP_ID}.png DESTINATION ${_data}/icons/hicolor/${size}/apps)
endforeach()

# Man pages (roff, edited by hand) and the Debian changelog go in compressed.
set(VERSION ${PROJECT_VERSION})
set(_compressed)
foreach(page vantoro.1 vantoroctl.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page} ${_out}/${page} @ONLY)
  list(APPEND _compressed ${_out}/${page})
  install(FILES ${_out}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${_out}/changelog COPYONLY)
list(APPEND _compressed ${_out}/changelog)
list(TRANSFORM _compressed APPEND .gz OUTPUT_VARIABLE _gz)
add_custom_command(OUTPUT ${_gz}
  COMMAND ${VANTORO_GZIP} -9nkf ${_compressed}
  DEPENDS ${_compressed}
  COMMENT "Compressing the man pages and the changelog")
add_custom_target(vantoro_install_files ALL DEPENDS ${_gz})
install(FILES ${_out}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
        DESTINATION ${_data}/doc/vantoro)

# The Debian package: `cpack -G DEB` in the build tree (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantoro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantoro developers")
set(CPACK_PACKAGE_CONTACT ${VANTORO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "FM radio for USB and PCI radio tuners")
set(CPACK_PACKAGE_DESCRIPTION
"Vantoro plays FM and AM radio from a USB or PCI radio tuner that Linux
supports through Video4Linux (/dev/radioN), with a front panel on the
screen: a frequency read-out, RDS station names, hardware seek and
scanning, one hundred presets, a station archive, volume and mute on the
tuner or on the sound card, an alarm, a sleep timer, timed scripts and a
tray icon.
.
The older receivers stay supported: the AimsLab Radiotrack, Reveal RA300
and Zoltrix Radio Plus ISA cards through I/O ports and the Gemtek Wizard
Radio, Gemtek RadioMan, Justy RadionMaru and Unit Rajikoma receivers over a
serial line. The vantoroctl command tunes the same tuners from scripts,
and both can run on emulated hardware.
.
An RTL2832U dongle (RTL-SDR) is a receiver too: the program demodulates FM
stereo and RDS itself from the dongle's samples, on USB through librtlsdr,
over the network from rtl_tcp, or from an I/Q recording.
.
The ISA cards need the CAP_SYS_RAWIO capability, which the package does not
grant: see the vantoro(1) manual page.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dongle's library, named even where the computed dependencies would find
# it; its udev rules (plugdev) and the DVB driver blacklist come with rtl-sdr.
# Qt's own texts (OK, Cancel, the file dialog) in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "librtlsdr0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "rtl-sdr, qt6-translations-l10n")
# No maintainer scripts: in particular none grants CAP_SYS_RAWIO.
include(CPack)
