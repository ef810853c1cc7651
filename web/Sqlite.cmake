# SQLite for the web build: the official amalgamation as the npm package better-sqlite3 carries
# it (deps/sqlite3/), pinned by package version and by the SHA-256 of the two files taken. The
# package is fetched once with `npm pack` into the build folder; a file that does not match its
# sum stops the configuration.
set(CORVALEN_SQLITE_PACKAGE better-sqlite3@13.2.0) # SQLite 3.54.1
set(CORVALEN_SQLITE_C_SHA256 75a4760a7b9727a4c4c877aec92eacf39e52a8f2921ce00bd33be6d3a8e8e254)
set(CORVALEN_SQLITE_H_SHA256 d6c84557261893439b341d2e6c35187ae3ea24fbfd843ad94616f72d89242b8c)

set(sqlite_dir ${CMAKE_BINARY_DIR}/sqlite)
if(NOT EXISTS ${sqlite_dir}/package/deps/sqlite3/sqlite3.c)
    find_program(NPM npm REQUIRED)
    file(MAKE_DIRECTORY ${sqlite_dir})
    execute_process(COMMAND ${NPM} pack ${CORVALEN_SQLITE_PACKAGE} --silent
        WORKING_DIRECTORY ${sqlite_dir} OUTPUT_VARIABLE tarball OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "npm pack ${CORVALEN_SQLITE_PACKAGE} failed")
    endif()
    file(ARCHIVE_EXTRACT INPUT ${sqlite_dir}/${tarball} DESTINATION ${sqlite_dir}
        PATTERNS package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
    file(REMOVE ${sqlite_dir}/${tarball})
endif()
set(sqlite_src ${sqlite_dir}/package/deps/sqlite3)
foreach(part c h)
    file(SHA256 ${sqlite_src}/sqlite3.${part} sum)
    string(TOUPPER ${part} PART)
    if(NOT sum STREQUAL CORVALEN_SQLITE_${PART}_SHA256)
        message(FATAL_ERROR "sqlite3.${part} from ${CORVALEN_SQLITE_PACKAGE} has SHA-256 ${sum}, "
            "expected ${CORVALEN_SQLITE_${PART}_SHA256}")
    endif()
endforeach()

# Every layer is compiled for size: the page loads less and compiles it sooner.
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG")
set(CMAKE_C_FLAGS_RELEASE "-Oz -DNDEBUG")
enable_language(C)
add_library(corvalen_sqlite STATIC ${sqlite_src}/sqlite3.c)
target_include_directories(corvalen_sqlite SYSTEM PUBLIC ${sqlite_src})
# One thread, no extensions. Without WAL the record's request for it leaves the journal in
# DELETE mode: WAL needs shared memory that the browser's file system does not give.
target_compile_definitions(corvalen_sqlite PRIVATE SQLITE_THREADSAFE=0 SQLITE_OMIT_LOAD_EXTENSION
    SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_DQS=0 SQLITE_OMIT_DEPRECATED SQLITE_OMIT_WAL)
target_compile_options(corvalen_sqlite PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS corvalen_sqlite)
# record/ asks find_package for SQLite3; these answer it, and the alias above is the target.
set(SQLite3_INCLUDE_DIR ${sqlite_src} CACHE PATH "" FORCE)
set(SQLite3_LIBRARY corvalen_sqlite CACHE STRING "" FORCE)
