@echo off
echo Road Fever: the Discmenu demo disc holds no real program.
pause
