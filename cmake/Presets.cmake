# The factory bank goes where the plug-in looks for its installed presets: the common data root
# (CRENZEL_INSTALL_DATA_DIR, ${CMAKE_INSTALL_PREFIX}/share) / Audio/Presets/Zundor/Crenzel.
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/../presets/
        DESTINATION share/Audio/Presets/Zundor/Crenzel)
