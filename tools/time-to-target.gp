# Time to target: the probability of having reached above 1.5 within the
# solutions examined, exactly for the three methods, and from runs of
# annealing over it.
# gnuplot -e "data='time-to-target.tsv'; runs='time-to-target-runs.tsv'; count=1000; \
#   out='time-to-target.svg'" tools/time-to-target.gp
set terminal svg size 900,480 dynamic font "sans,12" background rgb "white"
set output out
set datafile separator "\t"
set datafile columnheaders
set datafile commentschars "#"
stats data using (column("examined")) nooutput
set title "Time to target: the chance of having reached above 1.5 within the solutions examined"
set xlabel "solutions examined (log scale)"
set ylabel "probability"
set logscale x
set xrange [STATS_min:STATS_max]
set yrange [0:1.02]
set grid
set key right bottom
plot data using (column("examined")):(column("anneal")) with lines lw 2 lc rgb "#d62728" \
          title "anneal, exact", \
     data using (column("examined")):(column("climb")) with lines lw 2 lc rgb "#1f77b4" \
          title "climb, exact", \
     data using (column("examined")):(column("sample")) with lines lw 2 lc rgb "#2ca02c" \
          title "sample, exact (its formula)", \
     runs every 4 using (column("examined")):(column("anneal")) with points pt 7 ps 0.7 \
          lc rgb "#000000" title sprintf("anneal, %d seeded runs (every 4th level)", count)
