add_library(qor_warnings INTERFACE)
target_compile_options(qor_warnings INTERFACE -Wall -Wextra -Wno-unused-parameter)
