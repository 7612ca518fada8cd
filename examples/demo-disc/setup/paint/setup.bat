@echo off
echo Paint Studio: the Discmenu demo disc holds no real program.
pause
