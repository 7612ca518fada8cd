@echo off
echo Disc Burner: the Discmenu demo disc holds no real program.
pause
