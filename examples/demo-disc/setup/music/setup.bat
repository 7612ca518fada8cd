@echo off
echo Music Box: the Discmenu demo disc holds no real program.
pause
