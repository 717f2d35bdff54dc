#!/bin/sh
# Draws the about box picture (a dam across a river valley) once; the JPEG is committed.
# The sky's top-left corner is a flat rgb(120,180,230); the about box test reads it back.
set -e
cd "$(dirname "$0")"
convert -size 200x160 xc:'rgb(120,180,230)' \
  -fill 'rgb(250,215,90)' -draw 'circle 160,30 160,44' \
  -fill 'rgb(70,130,60)' -draw 'polygon 0,70 40,52 96,76 96,160 0,160' \
  -fill 'rgb(80,140,65)' -draw 'polygon 104,76 160,50 200,62 200,160 104,160' \
  -fill 'rgb(40,90,170)' -draw 'polygon 62,74 138,74 128,92 72,92' \
  -fill 'rgb(175,175,170)' -draw 'polygon 66,92 134,92 146,124 54,124' \
  -fill 'rgb(140,140,135)' -draw 'rectangle 66,88 134,94' \
  -fill 'rgb(230,240,250)' -draw 'rectangle 94,96 106,124' \
  -fill 'rgb(60,120,200)' -draw 'polygon 86,124 114,124 130,160 70,160' \
  -fill 'rgb(95,155,75)' -draw 'polygon 0,124 86,124 70,160 0,160' \
  -fill 'rgb(95,155,75)' -draw 'polygon 114,124 200,124 200,160 130,160' \
  -quality 92 -sampling-factor 1x1 -strip ImgHelp.jpg
