# The precise sky's events of every year, solved once at build time and compiled in.
#
# The tool is built from the few engine sources the direct solve needs (the engine
# itself holds the table it makes), with the engine's floating-point flags, so that
# its days and minutes are those the engine would compute; a test checks that.
# The table goes into the build folder, never the source tree.
#
# ventorel_add_precise_year_table(TARGET): gives TARGET the generated table on its
# private include path; TARGET must compile src/astro/precise_year_table.cpp.
find_package(Threads REQUIRED)

function(ventorel_add_precise_year_table target)
  set(src ${PROJECT_SOURCE_DIR}/src)
  set(tools ${PROJECT_SOURCE_DIR}/tools)
  set(out_dir ${PROJECT_BINARY_DIR}/generated)
  set(table ${out_dir}/precise_year_table.inc)

  add_executable(precise-year-table ${tools}/precise_year_table_main.cpp ${tools}/tool_files.cpp
    ${src}/astro/precise_year.cpp ${src}/astro/precise_sky.cpp ${src}/astro/sky_longitudes.cpp
    ${src}/astro/delta_t.cpp ${src}/astro/new_moon_series.cpp ${src}/astro/julian_day.cpp
    ${src}/astro/day_count.cpp ${src}/astro/eclipses.cpp ${src}/astro/cheap_sky.cpp ${src}/data/numbers.cpp)
  target_include_directories(precise-year-table PRIVATE ${src} ${tools} ${PROJECT_SOURCE_DIR}/include)
  target_link_libraries(precise-year-table PRIVATE erfa m Threads::Threads)
  target_compile_options(precise-year-table PRIVATE -ffp-contract=off)

  # Written under another name and renamed, so that an interrupted run leaves no
  # half table that looks up to date.
  add_custom_command(OUTPUT ${table}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND precise-year-table ${table}.part
    COMMAND ${CMAKE_COMMAND} -E rename ${table}.part ${table}
    DEPENDS precise-year-table
    COMMENT "Solving the precise sky's events of every year"
    VERBATIM)
  target_sources(${target} PRIVATE ${table})
  target_include_directories(${target} PRIVATE ${out_dir})
endfunction()
