# Results must not depend on the compiler's target: no fused multiply-adds, no fast-math.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(DRAVLEN_SANITIZE)
    string(REPLACE ";" "," _dravlen_sanitizers "${DRAVLEN_SANITIZE}")
    add_compile_options(-fsanitize=${_dravlen_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=${_dravlen_sanitizers})
    # JUCE's FLAC reader shifts negative samples left, which C++17 calls undefined and C++20
    # defines as the two's-complement shift every compiler performs; that one check stays off.
    if("undefined" IN_LIST DRAVLEN_SANITIZE)
        add_compile_options(-fno-sanitize=shift-base)
    endif()
endif()

# Coverage for libFuzzer everywhere; the fuzz targets add the fuzzer's own main.
option(DRAVLEN_FUZZ "Instrument for libFuzzer and build the fuzz targets (clang)" OFF)
if(DRAVLEN_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Warnings for the project's own targets; JUCE's module sources are compiled without them.
set(DRAVLEN_WARNING_FLAGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers)
add_library(dravlen_warnings INTERFACE)
target_compile_options(dravlen_warnings INTERFACE ${DRAVLEN_WARNING_FLAGS})
