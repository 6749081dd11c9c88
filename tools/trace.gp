# One search level by level: the current objective at the end of each level,
# the best reached so far, and the temperature; seed is the search's.
# gnuplot -e "data='trace.tsv'; seed=3; out='trace.svg'" tools/trace.gp
set terminal svg size 900,480 dynamic font "sans,12" background rgb "white"
set output out
set datafile separator "\t"
set datafile columnheaders
stats data using (column("examined")) nooutput
set title sprintf("One search (seed %d): the objective at the end of each level, the best reached so far, and T", seed)
set xlabel "solutions examined"
set ylabel "objective"
set y2label "temperature T (log scale)"
set logscale y2
set ytics nomirror
set y2tics
set xrange [0:STATS_max]
set yrange [0:1.6]
set grid
set key outside top center horizontal
plot data using (column("examined")):(column("current")) with lines lc rgb "#1f77b4" \
          title "current", \
     data using (column("examined")):(column("best")) with lines lw 2 lc rgb "#d62728" \
          title "best reached so far", \
     data using (column("examined")):(column("temperature")) axes x1y2 with lines dt 2 lw 2 \
          lc rgb "#555555" title "T (right axis)"
