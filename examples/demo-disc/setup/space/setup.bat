@echo off
echo Space Rescue: the Discmenu demo disc holds no real program.
pause
