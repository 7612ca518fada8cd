@echo off
echo Star Atlas: the Discmenu demo disc holds no real program.
pause
