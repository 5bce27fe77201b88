# Every JUCE module the product uses, compiled once into one static library that the plug-in,
# the tools, the tests and the benchmarks all link. The plug-in format wrappers are the only JUCE
# code compiled per target.
set(CRENZEL_JUCE_MODULES
    juce_core juce_events juce_data_structures juce_audio_basics juce_audio_formats
    juce_audio_processors juce_audio_devices juce_audio_utils juce_graphics juce_gui_basics
    juce_gui_extra juce_opengl)

add_library(crenzel_juce STATIC)
set(_crenzel_juce_defs
    JUCE_WEB_BROWSER=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    # Hosting, for the test that loads the built bundles the way hosts do.
    JUCE_PLUGINHOST_VST3=1
    JUCE_PLUGINHOST_LV2=1
    JUCE_USE_CURL=1
    JUCE_USE_FLAC=1
    JUCE_USE_OGGVORBIS=1
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    JUCE_SILENCE_XCODE_15_LINKER_WARNING=1
    JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1)
foreach(_m IN LISTS CRENZEL_JUCE_MODULES)
    target_link_libraries(crenzel_juce PRIVATE juce::${_m})
    list(APPEND _crenzel_juce_defs JUCE_MODULE_AVAILABLE_${_m}=1)
endforeach()
target_compile_definitions(crenzel_juce PUBLIC ${_crenzel_juce_defs})
target_link_libraries(crenzel_juce
    PRIVATE juce::juce_recommended_config_flags
    PUBLIC PkgConfig::CRENZEL_SYSLIBS X11 GL ${CMAKE_DL_LIBS} pthread rt)
# The modules' headers, re-exported as system headers so that the project's warning flags stay
# about the project's own code.
foreach(_m IN LISTS CRENZEL_JUCE_MODULES)
    get_target_property(_inc juce::${_m} INTERFACE_INCLUDE_DIRECTORIES)
    target_include_directories(crenzel_juce SYSTEM PUBLIC ${_inc})
endforeach()
target_compile_features(crenzel_juce PUBLIC cxx_std_17)
set_target_properties(crenzel_juce PROPERTIES POSITION_INDEPENDENT_CODE ON
    VISIBILITY_INLINES_HIDDEN ON CXX_VISIBILITY_PRESET hidden)
