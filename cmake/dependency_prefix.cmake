# The folder of static libraries a dependency script built (scripts/windows-deps.sh,
# scripts/web-deps.sh), from the CMake variable or else the environment variable of that name.
macro(torvane_dependency_prefix variable script)
    if(NOT ${variable})
        set(${variable} $ENV{${variable}})
    endif()
    if(NOT IS_DIRECTORY "${${variable}}")
        message(FATAL_ERROR "Set ${variable} to the folder ${script} prints")
    endif()
endmacro()
