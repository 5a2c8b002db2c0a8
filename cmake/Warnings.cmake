# Warnings for every target of the project; -Werror where CI asks for it.
add_compile_options(-Wall -Wextra -Wpedantic)
if(SKYSCRUB_WERROR)
  add_compile_options(-Werror)
endif()
if(SKYSCRUB_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
