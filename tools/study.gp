# How often each method succeeds against the solutions it examines, for
# every schedule of the sweep.
# gnuplot -e "data='sweep.tsv'; out='study.svg'" tools/study.gp
# The column of the share above the target, by its name in the table.
if (!exists("above")) above = "above_1_5"
set terminal svg size 1000,460 dynamic font "sans,12" background rgb "white"
set output out
set datafile separator "\t"
set datafile columnheaders
set multiplot layout 1,2 title "Success against solutions examined, for every schedule of the sweep"
set logscale x
set xlabel "solutions examined per run (log scale)"
set yrange [0:1.05]
set grid
set key top left
pick(method, value) = strcol("method") eq method ? value : NaN
styles = "anneal climb sample"
colour(i) = word("#d62728 #2ca02c #1f77b4", i)
shape(i) = word("7 5 9", i) + 0
set ylabel "share of runs that reached above 1.5"
plot for [i=1:3] data using (column("examined")):(pick(word(styles, i), column(above))) \
     with points pt shape(i) ps 0.9 \
     lc rgb colour(i) title word(styles, i)
set yrange [0:0.5]
set ylabel "share of runs that reached the grid's best point"
plot for [i=1:3] data using (column("examined")):(pick(word(styles, i), column("reached_best"))) \
     with points pt shape(i) ps 0.9 \
     lc rgb colour(i) title word(styles, i)
unset multiplot
