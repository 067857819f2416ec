# The translations of the source texts, built beside the executable: English, and Czech for
# the standard English texts of boxes and errors (the Czech interface loads it by default).
set(QT_TS_FILES
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/translations/quortosk_cs.ts
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/translations/quortosk_en.ts)
set_source_files_properties(${QT_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR})
qt_add_lrelease(quortosk TS_FILES ${QT_TS_FILES} QM_FILES_OUTPUT_VARIABLE QUORTOSK_QM_FILES)
if(QUORTOSK_QM_FILES)
  # Where the program looks for them beside <prefix>/bin.
  install(FILES ${QUORTOSK_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/quortosk/translations)
endif()
