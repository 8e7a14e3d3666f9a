# Flags every Glean target gets: UTF-8 sources whose string literals become Shift-JIS,
# warnings on.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932 -Wall -Wextra)

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
elseif(GLEAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
