@echo off
echo Block Drop: the Discmenu demo disc holds no real program.
pause
