# The simulated server at scale builds and frees the rows of big reference
# tables once per club database (identical tables are shared, their copies
# freed); glibc's allocator leaves that heap fragmented and every later
# statement pays for it. jemalloc keeps the statement cost flat, so the
# programs that hold many club databases (the wire server, the scale
# benchmarks) use it where Debian provides it. Not under the sanitizers,
# which bring their own allocator.
find_library(QUELOR_JEMALLOC NAMES jemalloc)

function(quelor_use_server_allocator target)
  if(QUELOR_JEMALLOC AND NOT QUELOR_SANITIZE AND NOT WIN32)
    target_link_libraries(${target} PRIVATE ${QUELOR_JEMALLOC})
  endif()
endfunction()
