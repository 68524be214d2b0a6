# The suite names that the end-to-end driver's sources declare with TEST(Suite, Name) or
# TEST_F(Suite, Name), each once, in the order first met. A suite declared any other way (through a
# macro, say) is not seen here; the entry e2e.registered catches it from the driver's own list.
function(orvane_e2e_suites_in_text out text)
    set(suites ${${out}})
    string(REGEX MATCHALL "(^|\n)[ \t]*TEST(_F)?[ \t\r\n]*\\([ \t\r\n]*[A-Za-z_][A-Za-z0-9_]*" found "${text}")
    foreach(match IN LISTS found)
        string(REGEX REPLACE ".*\\([ \t\r\n]*" "" suite "${match}")
        if(NOT suite IN_LIST suites)
            list(APPEND suites ${suite})
        endif()
    endforeach()
    set(${out} ${suites} PARENT_SCOPE)
endfunction()

function(orvane_e2e_suites_of out)
    set(suites "")
    foreach(source IN LISTS ARGN)
        file(READ ${source} text)
        orvane_e2e_suites_in_text(suites "${text}")
    endforeach()
    set(${out} ${suites} PARENT_SCOPE)
endfunction()
