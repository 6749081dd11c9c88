# Where the search is, level by level: the probability of the current
# solution over x, beside the Boltzmann distribution at the same T.
# gnuplot -e "data='map.tsv'; out='exact-map.png'" tools/exact-map.gp
set terminal pngcairo size 1100,560 font "sans,11" background rgb "white"
set output out
set datafile separator "\t"
set datafile columnheaders
stats data using (column("level")) nooutput
levels = STATS_max
set multiplot layout 1,2 title "Probability of the current solution over x, by bins of 512 grid points"
set xrange [-2:2]
set yrange [levels + 0.5:0.5]
set xlabel "x"
set ylabel "level (T falls from top to bottom)"
set logscale cb
set cbrange [1e-8:1]
set format cb "10^{%L}"
set palette defined (0 "white", 1 "#c6dbef", 2 "#6baed6", 3 "#2171b5", 4 "#08306b")
set title "the search, exactly"
plot data using (column("x")):(column("level")):(column("current") > 1e-8 ? column("current") : 1e-8) \
     with image notitle
set title "the Boltzmann distribution at the level's T"
plot data using (column("x")):(column("level")):(column("boltzmann") > 1e-8 ? column("boltzmann") : 1e-8) \
     with image notitle
unset multiplot
