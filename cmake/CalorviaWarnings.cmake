# Warnings are errors on our own code only; third-party headers come in as
# system includes and are not affected.
function(calorvia_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Werror)
endfunction()
