# The windows' share of a run: refreshing the views, and the whole click.
add_executable(trimel_bench_views ViewsBench.cpp)
target_link_libraries(trimel_bench_views PRIVATE trimel_ui benchmark::benchmark)

add_executable(trimel_bench_memory MemoryBench.cpp)
target_link_libraries(trimel_bench_memory PRIVATE trimel_ui benchmark::benchmark)
