# Client code for Wayland protocols, made by wayland-scanner at build time.
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
# Keys on surfaces of our own, which Qt does not read.
pkg_check_modules(XKBCOMMON REQUIRED IMPORTED_TARGET xkbcommon)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)

# Adds <name>-client-protocol.h (in the target's include path) and its code to target, from the
# protocol file xml.
function(chromaflick_wayland_protocol target name xml)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/wayland)
    file(MAKE_DIRECTORY ${out})
    set(header ${out}/${name}-client-protocol.h)
    set(code ${out}/${name}-protocol.c)
    add_custom_command(OUTPUT ${header}
        COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${header}
        DEPENDS ${xml} VERBATIM)
    add_custom_command(OUTPUT ${code}
        COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${code}
        DEPENDS ${xml} VERBATIM)
    target_sources(${target} PRIVATE ${header} ${code})
    target_include_directories(${target} PUBLIC ${out})
endfunction()
