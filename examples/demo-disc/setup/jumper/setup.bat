@echo off
echo Jumpy Jack: the Discmenu demo disc holds no real program.
pause
