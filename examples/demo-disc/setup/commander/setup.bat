@echo off
echo File Commander: the Discmenu demo disc holds no real program.
pause
