# One search level by level: the current objective at the end of each level,
# the best so far, and the temperature.
# gnuplot -e "data='trace.tsv'; out='trace.svg'" tools/trace.gp
set terminal svg size 900,480 dynamic font "sans,12" background rgb "white"
set output out
set datafile separator "\t"
set title "One search: the objective at the end of each level, the best so far, and T"
set xlabel "solutions examined"
set ylabel "objective"
set y2label "temperature T (log scale)"
set logscale y2
set ytics nomirror
set y2tics
set xrange [0:*]
set yrange [0:1.6]
set grid
set key bottom right
plot data skip 1 using 2:5 with lines lc rgb "#1f77b4" title "current", \
     data skip 1 using 2:7 with lines lw 2 lc rgb "#d62728" title "best so far", \
     data skip 1 using 2:3 axes x1y2 with lines dt 2 lw 2 lc rgb "#555555" title "T (right axis)"
