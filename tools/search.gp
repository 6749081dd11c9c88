# One search as an animation over the landscape: the current point and the
# best so far, a frame every three levels, with T falling.
# gnuplot -e "landscape='landscape.dat'; data='trace.tsv'; out='search.gif'" tools/search.gp
set terminal gif animate delay 12 loop 0 size 640,360 font "sans,10"
set output out
# The curve, behind a header of its own, so that every file read from here
# on names its columns in its first line.
set print $curve
print "x f"
set print
set table $curve append
plot landscape index 0 using 1:2 with table
unset table
set datafile columnheaders
stats data using (column("level")) nooutput
levels = STATS_records
set xrange [-2:2]
set yrange [0:1.75]
set xlabel "x"
set ylabel "f(x)"
set key top right
do for [level = 1:levels:3] {
    set title sprintf("level %d of %d", level, levels)
    row = level - 1
    plot $curve using (column("x")):(column("f")) with lines lc rgb "#9ecae1" notitle, \
         data every ::row::row using (column("current_x")):(column("current")) \
              with points pt 7 ps 1.6 lc rgb "#1f77b4" title "current", \
         data every ::row::row using (column("best_x")):(column("best")) \
              with points pt 6 ps 2.2 lw 2 lc rgb "#d62728" title "best so far", \
         data every ::row::row using (-1.9):(1.6):(sprintf("T = %.3g", column("temperature"))) \
              with labels left notitle
}
