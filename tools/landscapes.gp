# The presets' curves side by side, each with its target dashed and its best
# point marked.
# gnuplot -e "files='a.dat b.dat'; names='a b'; targets='1 2'; out='landscapes.svg'" \
#   tools/landscapes.gp
x_column = 1; f_column = 2 # as sinc-landscape heads them: "x f(x) grid-point"
count = words(names)
set terminal svg size 1100,360 dynamic font "sans,11" background rgb "white"
set output out
set multiplot layout 1,count title "The presets: f on the 17-bit grid, the target dashed"
set xlabel "x"
set grid
unset key
do for [i = 1:count] {
    set title word(names, i)
    target = word(targets, i) + 0
    plot word(files, i) index 0 using x_column:f_column with lines lw 2 lc rgb "#1f77b4", \
         target with lines dt 2 lw 1.5 lc rgb "#d62728", \
         word(files, i) index 1 every ::0::0 using x_column:f_column \
              with points pt 7 ps 1.2 lc rgb "#d62728"
}
unset multiplot
