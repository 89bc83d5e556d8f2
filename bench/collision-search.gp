# Per-frame cost of the collision search against the number of nodes in the
# scene. Called by scripts/bench.sh with data=<table> and output=<png>.
set terminal pngcairo size 900,560 font "DejaVu Sans,11"
set output output
set title "Collision search, one frame (median, this machine)"
set xlabel "nodes in the scene"
set ylabel "time per frame (µs, log scale)"
set logscale y
set format y "%g"
set grid xtics ytics mytics
set key top left box opaque
set xrange [0:*]
plot data using 1:3 with linespoints lw 2 pt 7 lc rgb "#c0392b" title "all-pairs walk", \
     data using 1:($3/10) with lines dt 2 lw 1 lc rgb "#7f8c8d" title "goal: a tenth of the all-pairs walk", \
     data using 1:2 with linespoints lw 2 pt 5 lc rgb "#2471a3" title "sort-and-sweep"
