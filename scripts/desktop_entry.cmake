# Installs the menu entry with the program's installed path in Exec, so that it starts the program from any
# prefix, also one whose bin/ is not on PATH. Run at install time (the prefix may be given only then) with
# TEMPLATE, BUILD_DIR, BINDIR and DATADIR set.
foreach(_dir BINDIR DATADIR)
    if(IS_ABSOLUTE "${${_dir}}")
        set(_full_${_dir} "${${_dir}}")
    else()
        set(_full_${_dir} "${CMAKE_INSTALL_PREFIX}/${${_dir}}")
    endif()
endforeach()

# Exec quoting of the desktop entry format: "%" doubled; a path with a reserved character quoted whole, with a
# backslash before '"', '`', '$' and '\' inside the quotes; then every backslash doubled as in any string value.
string(REPLACE "%" "%%" TAVI_EXEC "${_full_BINDIR}/tavi")
if(TAVI_EXEC MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" TAVI_EXEC "${TAVI_EXEC}")
    set(TAVI_EXEC "\"${TAVI_EXEC}\"")
endif()
string(REPLACE "\\" "\\\\" TAVI_EXEC "${TAVI_EXEC}")

# One folder per installed path, so that two installations from one build never share the file.
string(MD5 _key "${_full_BINDIR}")
set(_entry "${BUILD_DIR}/desktop-entry/${_key}/tavi.desktop")
configure_file("${TEMPLATE}" "${_entry}" @ONLY)
file(INSTALL DESTINATION "${_full_DATADIR}/applications" TYPE FILE FILES "${_entry}")
