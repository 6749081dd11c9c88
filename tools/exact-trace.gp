# The exact probabilities level by level: in the top peak's basin, has
# reached above 1.5, has reached the best point, and how far the search is
# from equilibrium.
# gnuplot -e "data='exact-trace.tsv'; out='exact-trace.svg'" tools/exact-trace.gp
if (!exists("above")) above = "above_1_5" # the column of the share above the target
set terminal svg size 900,480 dynamic font "sans,12" background rgb "white"
set output out
set datafile separator "\t"
set datafile columnheaders
stats data using (column("examined")) nooutput
set title "The search, exactly: where it is, what it has reached, and how far from equilibrium"
set xlabel "solutions examined"
set ylabel "probability"
set y2label "total-variation distance to Boltzmann at T (log scale)"
set xrange [0:STATS_max]
set yrange [0:1.05]
set y2range [1e-5:1]
set logscale y2
set format y2 "10^{%L}"
set ytics nomirror
set y2tics
set grid
set key outside top center horizontal
plot data using (column("examined")):(column(above)) with lines lw 2 lc rgb "#d62728" \
          title "has reached above 1.5", \
     data using (column("examined")):(column("in_top_basin")) with lines lw 2 lc rgb "#1f77b4" \
          title "is in the top peak's basin", \
     data using (column("examined")):(column("reached_best")) with lines lw 2 lc rgb "#2ca02c" \
          title "has reached the best point", \
     data using (column("examined")):(column("tv_boltzmann")) axes x1y2 with lines dt 2 lw 2 \
          lc rgb "#555555" title "distance to Boltzmann (right axis)"
