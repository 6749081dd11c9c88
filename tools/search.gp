# One search as an animation over the landscape: the current point and the
# best reached so far, a frame every three levels and one at the last level,
# which stays a while before the loop starts again; seed is the search's.
# gnuplot -e "landscape='landscape.dat'; data='trace.tsv'; seed=3; out='search.gif'" tools/search.gp
set terminal gif animate delay 12 loop 0 size 640,360 font "sans,10"
set output out
# The curve, behind a header of its own, so that every file read from here
# on names its columns in its first line.
set print $curve
print "x f"
set print
set table $curve append
x_column = 1; f_column = 2 # as sinc-landscape heads them: "x f(x) grid-point"
plot landscape index 0 using x_column:f_column with table
unset table
set datafile columnheaders
stats data using (column("level")) nooutput
levels = STATS_records
step = 3
frames = (levels + step - 2) / step + 1 # the last of them at the last level
pause = 16                              # frames that hold the last level, about 2 s
set xrange [-2:2]
set yrange [0:1.75]
set xlabel "x"
set ylabel "f(x)"
set key top right
do for [frame = 1:frames + pause] {
    level = 1 + step * (frame - 1) < levels ? 1 + step * (frame - 1) : levels
    set title sprintf("seed %d: level %d of %d", seed, level, levels)
    row = level - 1
    plot $curve using (column("x")):(column("f")) with lines lc rgb "#9ecae1" notitle, \
         data every ::row::row using (column("current_x")):(column("current")) \
              with points pt 7 ps 1.6 lc rgb "#1f77b4" title "current", \
         data every ::row::row using (column("best_x")):(column("best")) \
              with points pt 6 ps 2.2 lw 2 lc rgb "#d62728" title "best reached so far", \
         data every ::row::row using (-1.9):(1.6):(sprintf("T = %.3g", column("temperature"))) \
              with labels left notitle
}
