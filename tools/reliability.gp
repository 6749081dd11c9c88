# How the best objective that many independent searches reached is
# distributed: every bin that holds a search has a bar, however low.
# gnuplot -e "data='reliability.txt'; landscape='landscape.dat'; out='reliability.svg'" \
#   tools/reliability.gp
# The columns by name, as sinc-landscape and sinc-reliability head them:
# "x f(x) grid-point" and "low high share".
x_column = 1; f_column = 2; low = 1; high = 2; share = 3
# The grid's maximum: the first of the landscape's local maxima, highest first.
stats landscape index 1 every ::0::0 using f_column nooutput
best = STATS_max
set terminal svg size 900,480 dynamic font "sans,12" background rgb "white"
set output out
set title "Best objective reached by independent searches from random starts"
set xlabel "best objective reached"
set ylabel "share of searches (log scale)"
set logscale y
stats data using (column(share) > 0 ? column(share) : NaN) nooutput # the share of the emptiest bin with a search
set yrange [STATS_min / 2:1.5]
set format y "%g"
set xrange [*:best + 0.001]
set xtics 0.002 format "%.3f"
set grid
set style fill solid 0.8
set arrow from best, graph 0 to best, graph 1 nohead front dt 2 lw 2 lc rgb "#d62728"
set label sprintf("dashed: the grid maximum, %.6f", best) at graph 0.03, graph 0.92 left \
    tc rgb "#d62728"
plot data using ((column(low) + column(high)) / 2):(column(share) > 0 ? column(share) : NaN):\
     (column(high) - column(low)) with boxes lc rgb "#1f77b4" notitle
