# What the shipped programs link: run as
#   cmake -DGRAPH=<link_graph.cmake> -DROOTS=<programs> [-DKNOWN_BREAKS=<libraries tolerated for now>]
#         -P check_links.cmake
# with the graph cmake/ProductLinks.cmake writes. Fails naming every library from tools/ or the
# scripted test platform that a program reaches, and the chain of links it comes through.
cmake_minimum_required(VERSION 3.25)

include(${GRAPH})
set(forbidden tools/ platform/script/)
set(violations "")
set(seen_known "")

foreach(root IN LISTS ROOTS)
  if(NOT root IN_LIST roots)
    list(APPEND violations "${root} is not a target of this build: check the names the architecture test is given")
    continue()
  endif()
  set(pending ${root})
  set(chain_${root} ${root})
  set(done "")
  while(pending)
    list(POP_FRONT pending target)
    if(target IN_LIST done)
      continue()
    endif()
    list(APPEND done ${target})
    if(target IN_LIST KNOWN_BREAKS)
      list(APPEND seen_known ${target})
      continue()  # tolerated for now, with all it links
    endif()
    foreach(folder IN LISTS folders_${target})
      foreach(prefix IN LISTS forbidden)
        string(FIND "${folder}" "${prefix}" at)
        if(at EQUAL 0)
          list(JOIN chain_${target} " -> " chain)
          list(APPEND violations "${root} links ${target}, built from ${folder}: ${chain}")
        endif()
      endforeach()
    endforeach()
    foreach(next IN LISTS links_${target})
      if(NOT DEFINED chain_${next})
        set(chain_${next} ${chain_${target}} ${next})
      endif()
      list(APPEND pending ${next})
    endforeach()
  endwhile()
  foreach(target IN LISTS done)
    unset(chain_${target})
  endforeach()
endforeach()

list(JOIN ROOTS ", " programs)
include(${CMAKE_CURRENT_LIST_DIR}/verdict.cmake)
give_verdict(KIND "^[^/]+$"
             FAILURE "The shipped programs link the tools or the scripted test platform (never part of the product)"
             SUCCESS "${programs}: nothing from tools/ or the scripted test platform.")
