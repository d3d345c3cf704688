# The Debian package (`make package`, i.e. cpack -G DEB in the build directory) and the
# documents Debian wants next to the program: the manual page, the changelog and the
# copyright file. `cmake --install` puts them in place as well.
include(GNUInstallDirs)

set(TORVELO_DOC_SOURCE ${PROJECT_SOURCE_DIR}/app/doc)
set(TORVELO_DOC_BINARY ${PROJECT_BINARY_DIR}/doc)

# The changelog wants the release date in the RFC 5322 form that `date -R` writes.
execute_process(COMMAND date -u -R -d "${TORVELO_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TORVELO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${TORVELO_DOC_SOURCE}/changelog.in ${TORVELO_DOC_BINARY}/plain/changelog @ONLY)
configure_file(${TORVELO_DOC_SOURCE}/torvelo.1.in ${TORVELO_DOC_BINARY}/plain/torvelo.1 @ONLY)

# Debian compresses both with gzip -9n: best ratio, and no name or time stamp inside, so
# the same sources always give the same package.
set(TORVELO_COMPRESSED_DOCS)
foreach(doc changelog torvelo.1)
    add_custom_command(
        OUTPUT ${TORVELO_DOC_BINARY}/${doc}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${TORVELO_DOC_BINARY}/plain/${doc} ${TORVELO_DOC_BINARY}/${doc}
        COMMAND gzip -9nf ${TORVELO_DOC_BINARY}/${doc}
        DEPENDS ${TORVELO_DOC_BINARY}/plain/${doc}
        VERBATIM)
    list(APPEND TORVELO_COMPRESSED_DOCS ${TORVELO_DOC_BINARY}/${doc}.gz)
endforeach()
add_custom_target(torvelo_docs ALL DEPENDS ${TORVELO_COMPRESSED_DOCS})

# A package made by the program's own makers is a native Debian package: its changelog
# is changelog.gz (changelog.Debian.gz belongs to packages of someone else's program).
install(FILES ${TORVELO_DOC_BINARY}/torvelo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TORVELO_DOC_BINARY}/changelog.gz ${TORVELO_DOC_SOURCE}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/torvelo)

# Whatever the umask of the machine that builds the package, its directories are 0755.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvelo)
set(CPACK_PACKAGE_VENDOR "Quelmar Software")
set(CPACK_PACKAGE_CONTACT "Quelmar Software <soporte@quelmarsoftware.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fixture del Mundial de Alemania 2006")
set(CPACK_PACKAGE_DESCRIPTION [=[
Torvelo sigue el Mundial de Alemania 2006 partido a partido. Se carga el
resultado de cada partido y las tablas de los ocho grupos se actualizan y se
ordenan al instante; los dos primeros de cada grupo pasan a la llave final, y
los resultados con alargue y penales llevan a los ganadores hasta la final.

Además trae páginas con las 32 selecciones, los 12 estadios, las 12 sedes y la
historia de los mundiales anteriores. Todo lo que se carga queda guardado y
vuelve a aparecer la próxima vez que se abre el programa.
]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not a game, and not a tool for the system: a program for following a tournament.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps derives the run-time libraries from the binary. Flags and fonts are
# compiled into the program, so nothing else is needed at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
