bilder/morgen.jpg
bilder/mittag.jpg
bilder/abend.jpg
