@echo off
echo Brick Breaker: the Discmenu demo disc holds no real program.
pause
