# The plug-in and its shared-code library. JUCE is compiled once, into the shared-code target
# `Dravlen2Lite`; the format wrappers, the tests, the benchmarks and the renderer link that library
# through `dravlen_link_shared_code` instead of compiling the JUCE modules again.

find_package(JUCE 7.0.5 CONFIG REQUIRED)
find_package(PkgConfig REQUIRED)
# Debian's JUCE uses the system codec and image libraries instead of bundling them.
pkg_check_modules(DRAVLEN_CODECS REQUIRED IMPORTED_TARGET flac vorbis vorbisfile vorbisenc ogg libpng libjpeg zlib)

set(DRAVLEN_WEBSITE "https://www.zolmerton.com")
set(DRAVLEN_LV2_URI "${DRAVLEN_WEBSITE}/plugins/dravlen2lite")

# An instrumented build makes plug-in binaries that only load into instrumented hosts (and JUCE's
# LV2 step loads the LV2 into its own helper), so it builds the Standalone alone.
if(DRAVLEN_SANITIZE OR DRAVLEN_FUZZ)
    set(DRAVLEN_FORMATS Standalone)
else()
    set(DRAVLEN_FORMATS VST3 LV2 Standalone)
endif()

juce_add_plugin(Dravlen2Lite
    PLUGIN_NAME "Dravlen 2 Lite"
    PRODUCT_NAME "Dravlen2Lite"
    DESCRIPTION "Dravlen2Lite"
    VERSION 2.0.0
    COMPANY_NAME "Zolmerton"
    COMPANY_WEBSITE "${DRAVLEN_WEBSITE}"
    BUNDLE_ID com.Zolmerton.Dravlen2Lite
    PLUGIN_MANUFACTURER_CODE Z4lm
    PLUGIN_CODE D4vx
    FORMATS ${DRAVLEN_FORMATS}
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS TRUE
    VST3_CATEGORIES Fx Dynamics
    LV2URI "${DRAVLEN_LV2_URI}"
    LV2_SHARED_LIBRARY_NAME Dravlen2Lite
    COPY_PLUGIN_AFTER_BUILD FALSE)

target_compile_features(Dravlen2Lite PUBLIC cxx_std_17)

target_compile_definitions(Dravlen2Lite PUBLIC
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_USE_MP3AUDIOFORMAT=0
    # The host-level tests load the built VST3 and LV2 through the same library.
    JUCE_PLUGINHOST_VST3=1
    JUCE_PLUGINHOST_LV2=1
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    JUCE_SILENCE_XCODE_15_LINKER_WARNING=1)

# Debian's plug-in utilities fall back to the plug-in name when the shared code lacks the URI.
target_compile_definitions(Dravlen2Lite PRIVATE JucePlugin_LV2URI="${DRAVLEN_LV2_URI}")

target_include_directories(Dravlen2Lite PUBLIC ${PROJECT_SOURCE_DIR})

target_link_libraries(Dravlen2Lite
    PRIVATE
        juce::juce_audio_utils
        juce::juce_audio_formats
        juce::juce_audio_processors
    PUBLIC
        dravlen_engine
        PkgConfig::DRAVLEN_CODECS
        juce::juce_recommended_config_flags)

# The project's own sources in the shared code get the warnings; JUCE's module sources don't.
function(dravlen_add_plugin_sources)
    list(TRANSFORM ARGN PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/" OUTPUT_VARIABLE files)
    target_sources(Dravlen2Lite PRIVATE ${files})
    set_source_files_properties(${files} TARGET_DIRECTORY Dravlen2Lite PROPERTIES COMPILE_OPTIONS "${DRAVLEN_WARNING_FLAGS}")
endfunction()

add_subdirectory(core)
add_subdirectory(presets)
add_subdirectory(editor)
add_subdirectory(resources)

# Links a test, benchmark or tool against the shared code: the JUCE module headers and
# configuration come along, the module sources do not.
function(dravlen_link_shared_code target)
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:Dravlen2Lite,INCLUDE_DIRECTORIES>)
    # The same configuration as the library itself, so both sides see the same class layouts.
    target_compile_definitions(${target} PRIVATE
        $<FILTER:$<TARGET_PROPERTY:Dravlen2Lite,COMPILE_DEFINITIONS>,EXCLUDE,JUCE_SHARED_CODE>)
    target_link_libraries(${target} PRIVATE Dravlen2Lite)
endfunction()

# JUCE files every LV2 plug-in as a plain lv2:Plugin; hosts sort by class, so say it is a dynamics
# processor. Runs after JUCE's own step that writes the bundle's Turtle files.
if(TARGET Dravlen2Lite_LV2)
    add_custom_command(TARGET Dravlen2Lite_LV2 POST_BUILD
        COMMAND sed -i "s|^\ta lv2:Plugin ;$|\ta lv2:Plugin, lv2:DynamicsPlugin ;|"
                "$<TARGET_FILE_DIR:Dravlen2Lite_LV2>/dsp.ttl"
        VERBATIM)
endif()
