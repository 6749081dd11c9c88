# The objective with its one-flip peaks, in binary and in Gray code: the grid
# points from which no single flip leads higher, where a hill-climber stops.
# gnuplot -e "landscape='landscape.dat'; data='one-flip-peaks.dat'; out='one-flip-peaks.svg'" \
#   tools/one-flip-peaks.gp
# The columns by name, as sinc-landscape heads them: "x f(x) grid-point".
x_column = 1; f_column = 2
stats data index 0 using x_column nooutput
binary = STATS_records
stats data index 1 using x_column nooutput
gray = STATS_records
set terminal svg size 900,720 dynamic font "sans,12" background rgb "white"
set output out
set multiplot layout 2,1 title "Where a hill-climber stops: no single flip leads higher"
set xrange [-2:2]
set yrange [0:1.75]
set ylabel "f(x)"
set grid
set key top right
set title sprintf("binary, the program's code: %d one-flip peaks, some on a slope", binary)
plot landscape index 0 using x_column:f_column with lines lw 2 lc rgb "#1f77b4" title "f", \
     data index 0 using x_column:f_column with points pt 7 ps 1.2 lc rgb "#d62728" title "one-flip peak"
set title sprintf("reflected Gray code: %d one-flip peaks, all on top of a local maximum", gray)
set xlabel "x"
plot landscape index 0 using x_column:f_column with lines lw 2 lc rgb "#1f77b4" title "f", \
     data index 1 using x_column:f_column with points pt 7 ps 1.2 lc rgb "#2ca02c" title "one-flip peak"
unset multiplot
