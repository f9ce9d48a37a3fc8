# Executables built twice from the same commit, in any folders, are identical
# byte for byte: no source or build path is compiled in, and the Windows
# linker writes no time stamp.
add_compile_options(
  "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
  "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
