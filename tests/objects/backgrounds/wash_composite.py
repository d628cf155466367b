"""The wash of a background composed with Pillow: the wash colour over the fill through the
grey map scaled by the ratio. Arguments: fill.png map.png R,G,B ratio out.png."""
import sys

from PIL import Image


def main():
    fill_path, map_path, colour, ratio, out_path = sys.argv[1:6]
    fill = Image.open(fill_path).convert("RGB")
    grey = Image.open(map_path).convert("L")
    rgb = tuple(int(v) for v in colour.split(","))
    strength = int(ratio) / 100.0
    mask = grey.point(lambda v: min(255, int(round(v * strength))))
    wash = Image.new("RGB", fill.size, rgb)
    Image.composite(wash, fill, mask).save(out_path)


if __name__ == "__main__":
    main()
