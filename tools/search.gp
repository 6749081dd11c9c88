# One search as an animation over the landscape: the current point and the
# best so far, a frame every three levels, with T falling.
# gnuplot -e "landscape='landscape.dat'; data='trace.tsv'; out='search.gif'" tools/search.gp
set terminal gif animate delay 12 loop 0 size 640,360 font "sans,10"
set output out
set datafile separator whitespace
set xrange [-2:2]
set yrange [0:1.75]
set xlabel "x"
set ylabel "f(x)"
set key top right
levels = 227
do for [level = 1:levels:3] {
    set title sprintf("level %d of %d", level, levels)
    plot landscape index 0 using 1:2 with lines lc rgb "#9ecae1" notitle, \
         data every ::level::level using 4:5 with points pt 7 ps 1.6 lc rgb "#1f77b4" title "current", \
         data every ::level::level using 6:7 with points pt 6 ps 2.2 lw 2 lc rgb "#d62728" title "best so far", \
         data every ::level::level using (-1.9):(1.6):(sprintf("T = %.3g", $3)) with labels left notitle
}
