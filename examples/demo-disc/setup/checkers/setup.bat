@echo off
echo Checkers Pro: the Discmenu demo disc holds no real program.
pause
