# The objective over [-2, 2] with its local maxima marked.
# gnuplot -e "data='landscape.dat'; out='objective.svg'" tools/objective.gp
# The columns by name, as sinc-landscape heads them: "x f(x) grid-point".
x_column = 1; f_column = 2
set terminal svg size 900,480 dynamic font "sans,12" background rgb "white"
set output out
set title "f(x) = 0.4 + sinc(4x) + 1.1 sinc(4x+2) + 0.8 sinc(6x-2) + 0.7 sinc(6x-4)"
set xlabel "x"
set ylabel "f(x)"
set xrange [-2:2]
set yrange [0:1.75]
set grid
set key top right
plot data index 0 using x_column:f_column with lines lw 2 lc rgb "#1f77b4" title "f on the 17-bit grid", \
     data index 1 every ::0::0 using x_column:f_column with points pt 7 ps 1.4 lc rgb "#d62728" title "global maximum", \
     data index 1 every ::1::3 using x_column:f_column with points pt 7 ps 1.0 lc rgb "#ff7f0e" title "next local maxima", \
     data index 1 every ::0::3 using x_column:f_column:\
          (sprintf("x = %.6f\nf = %.6f", column(x_column), column(f_column))) \
          with labels offset 0,1.6 font "sans,10" notitle
